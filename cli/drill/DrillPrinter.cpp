#include "DrillPrinter.h"

#include "base/Gbk.h"
#include "study/CWordStudy.h"
#include "study/Phonetic.h"

#include <cctype>

namespace vt {
namespace {

std::string upper(const std::string& gbkText) {
    std::string s = gbkText;
    for (size_t i = 0; i < s.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        if (c >= 0x80) {
            ++i; // leave double-byte characters alone
            continue;
        }
        s[i] = static_cast<char>(std::toupper(c));
    }
    return s;
}

std::string firstLine(const std::string& s) {
    size_t e = s.find_first_of("\r\n");
    return e == std::string::npos ? s : s.substr(0, e);
}

} // namespace

std::string DrillPrinter::question(const CWordStudy& study) {
    const QuestionRecord& r = study.question();
    const ModeOptions& o = study.options();
    std::string out = "----\n";
    for (int i = 0; i < 3; ++i)
        out += toUtf8(r.status[i]) + (i < 2 ? " | " : "\n");
    if (!study.hasWord())
        return out;
    out += std::string("[") + levelName(r.level) + "]\n";
    std::string line;
    if (o.danci && !r.word.empty())
        line = toUtf8(o.daxie ? upper(r.word) : r.word);
    if (o.yinbiao && !r.phonetic.empty())
        line += (line.empty() ? "" : "  ") + ("[" + phoneticToIpa(r.phonetic) + "]");
    if (!line.empty())
        out += line + "\n";
    if (!r.meaning.empty())
        out += toUtf8(r.meaning) + "\n";
    if (r.wholeEntry) {
        if (!r.hint.empty())
            out += "[记法] " + toUtf8(r.hint) + "\n";
        std::string notes;
        if (!r.example.empty())
            notes += "[例句] " + toUtf8(r.example);
        if (!r.inflections.empty())
            notes += "\n[变化] " + toUtf8(r.inflections);
        if (!r.english.empty())
            notes += "\n[英释] " + toUtf8(r.english);
        if (!r.testPoints.empty())
            notes += "\n[考点] " + toUtf8(r.testPoints);
        if (!r.usage.empty())
            notes += "\n[辨析] " + toUtf8(r.usage);
        if (!notes.empty())
            out += notes + "\n";
        if (!r.extended.empty())
            out += toUtf8(firstLine(r.extended)) + "\n";
    }
    if (r.isFill()) {
        out += "A. " + toUtf8(r.choices[0]) + "\n";
    } else if (r.isChoice()) {
        for (int k = 0; k < 4; ++k) {
            std::string mark = r.phase != PhaseAsking && r.rightOption == k + 1 ? " *" : "";
            out += std::string(1, static_cast<char>('A' + k)) + ". " + toUtf8(r.choices[k]) + mark + "\n";
        }
    }
    out += "> " + toUtf8(r.prompt) + "\n";
    return out;
}

std::string DrillPrinter::problem(const FileProblem& p) {
    const char* what = "";
    switch (p.file) {
    case StudyFile::GeneralLibrary:
        what = "缺少或无法读取通用记忆词库 vtgeneral.ree";
        break;
    case StudyFile::CommonLibrary:
        what = "缺少或无法读取常用词库 cg.ree";
        break;
    case StudyFile::Book:
        what = "缺少或无法读取书本";
        break;
    case StudyFile::NewWordsBook:
        what = "生词本无法读取或保存";
        break;
    case StudyFile::History:
        what = "学习记录无法保存";
        break;
    case StudyFile::Folder:
        what = "无法创建文件夹";
        break;
    case StudyFile::Profile:
        what = "配置文件无法保存";
        break;
    case StudyFile::Learner:
        what = "配置中的用户名不可用";
        break;
    }
    std::string line = what;
    if (!p.path.empty())
        line += ": " + toUtf8(p.path);
    if (!p.detail.empty())
        line += " (" + p.detail + ")";
    return line;
}

} // namespace vt
