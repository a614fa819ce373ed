#pragma once
// The learner's study settings: one field per key of the learner's profile section.
#include <string>

namespace vt {

class CProfile;

// Values the engine reads at creation and writes with SaveSettings, in the profile's key order.
struct StudySettings {
    int method = 3;
    int methodQuci = 0;
    std::string bookname;     // GBK
    std::string filebookname; // GBK
    std::string bookclass;    // GBK
    std::string dictname = "vtgeneral";
    std::string defaultdir = "d:\\kelp\\verbatrove\\";
    std::string matchword = "*";
    int errRatio = 0;
    int fanwei = 0;
    int shulianLevel = 0;
    int speed = 4;
    int timespeed = 5;
    int wrongstep = 1;
    int rightstep = 1;
    int nstart = 1;
    int nEnd = 1;

    StudySettings(); // defaults (the Chinese ones need GBK conversion)
    // Reads every key from the learner's section; missing keys give the defaults, no range checks.
    void read(const CProfile& profile, const std::string& learner);
    // Writes every key in the order "method" .. "nEnd".
    void write(CProfile& profile, const std::string& learner) const;
};

} // namespace vt
