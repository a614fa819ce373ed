#pragma once
// The help texts of the main screen: 15 GBK files of the program folder, read once at start-up, and which
// one a button shows.
#include <QString>
#include <array>
#include <string>

class HelpTexts {
public:
    static constexpr int kSlots = 15;
    // Reads every file it finds; a missing file leaves its slot empty and is not reported.
    void load(const QString& programFolder);
    // Text for the button with that command name ("lxcy.txt" for any button without its own text).
    QString forButton(const std::string& name) const;
    const QString& slot(int i) const { return m_texts[static_cast<size_t>(i)]; }
    int loadedCount() const;

private:
    std::array<QString, kSlots> m_texts;
};
