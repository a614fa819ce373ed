#include "StudySettings.h"

#include "base/CProfile.h"
#include "base/Gbk.h"

namespace vt {

StudySettings::StudySettings()
    : bookname(gbk("英语精选1000词")), filebookname(gbk("英语精选1000词.bte")), bookclass(gbk("其它")) {}

void StudySettings::read(const CProfile& p, const std::string& s) {
    const StudySettings d;
    method = p.getInt(s, "method", d.method);
    methodQuci = p.getInt(s, "methodQuci", d.methodQuci);
    bookname = p.getString(s, "bookname", d.bookname);
    filebookname = p.getString(s, "filebookname", d.filebookname);
    bookclass = p.getString(s, "bookclass", d.bookclass);
    dictname = p.getString(s, "dictname", d.dictname);
    defaultdir = p.getString(s, "defaultdir", d.defaultdir);
    matchword = p.getString(s, "matchword", d.matchword);
    errRatio = p.getInt(s, "errRatio", d.errRatio);
    fanwei = p.getInt(s, "fanwei", d.fanwei);
    shulianLevel = p.getInt(s, "shulianLevel", d.shulianLevel);
    speed = p.getInt(s, "speed", d.speed);
    timespeed = p.getInt(s, "timespeed", d.timespeed);
    wrongstep = p.getInt(s, "wrongstep", d.wrongstep);
    rightstep = p.getInt(s, "rightstep", d.rightstep);
    nstart = p.getInt(s, "nstart", d.nstart);
    nEnd = p.getInt(s, "nEnd", d.nEnd);
}

void StudySettings::write(CProfile& p, const std::string& s) const {
    p.setInt(s, "method", method);
    p.setInt(s, "methodQuci", methodQuci);
    p.setString(s, "bookname", bookname);
    p.setString(s, "filebookname", filebookname);
    p.setString(s, "bookclass", bookclass);
    p.setString(s, "dictname", dictname);
    p.setString(s, "defaultdir", defaultdir);
    p.setString(s, "matchword", matchword);
    p.setInt(s, "errRatio", errRatio);
    p.setInt(s, "fanwei", fanwei);
    p.setInt(s, "shulianLevel", shulianLevel);
    p.setInt(s, "speed", speed);
    p.setInt(s, "timespeed", timespeed);
    p.setInt(s, "wrongstep", wrongstep);
    p.setInt(s, "rightstep", rightstep);
    p.setInt(s, "nstart", nstart);
    p.setInt(s, "nEnd", nEnd);
}

} // namespace vt
