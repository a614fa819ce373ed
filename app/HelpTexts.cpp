#include "app/HelpTexts.h"

#include "app/GbkText.h"

#include <QFile>

namespace {

const struct {
    const char* file;
    const char* button; // nullptr: loaded, not shown
} kSlots[HelpTexts::kSlots] = {
    {"lxcy.txt", "Introduction"},
    {"mp3zz.txt", "Make MP3"},
    {"qsxz.txt", "Easy Choice"},
    {"sbxz.txt", "Choose Book"},
    {"sdtk.txt", "Fill Blanks"},
    {"wyjy.txt", "Carefree Memory"},
    {"xtgl.txt", "System Management"},
    {"xxjy.txt", "Entertainment Memory"},
    {"yxtd.txt", "Game"},
    {"zttj.txt", "State Statistic"},
    {"zyll.txt", "Free Scan"},
    {"kelpsoft.txt", nullptr},
    {"help.txt", "Help"},
    {"info.txt", "System"},
    {"", nullptr}, // spare slot
};

} // namespace

void HelpTexts::load(const QString& programFolder) {
    for (int i = 0; i < kSlots; ++i) {
        m_texts[static_cast<size_t>(i)].clear();
        if (!*::kSlots[i].file)
            continue;
        QFile f(programFolder + QString::fromLatin1(::kSlots[i].file));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        QString text = fromGbk(f.readAll().toStdString());
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        m_texts[static_cast<size_t>(i)] = text.trimmed();
    }
}

QString HelpTexts::forButton(const std::string& name) const {
    for (int i = 0; i < kSlots; ++i)
        if (::kSlots[i].button && name == ::kSlots[i].button)
            return m_texts[static_cast<size_t>(i)];
    return m_texts[0];
}

int HelpTexts::loadedCount() const {
    int n = 0;
    for (const QString& t : m_texts)
        n += t.isEmpty() ? 0 : 1;
    return n;
}
