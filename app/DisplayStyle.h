#pragma once
// The 13 fonts and the colour palette of the study screens, created once at start-up, and the drawing of
// phonetic transcriptions.
#include <QColor>
#include <QFont>
#include <QString>
#include <array>

class DisplayStyle {
public:
    static constexpr int kFontCount = 13;
    // Palette indexes: level colours 0..6, then yellow, cyan, orange (so level 7 draws in yellow).
    static constexpr int kYellow = 7, kCyan = 8, kOrange = 9;

    // Maps the logical face names the layouts use to fonts installed on this system.
    static void installFontSubstitutions();
    DisplayStyle();
    const QFont& font(int index) const { return m_fonts[static_cast<size_t>(index)]; }
    static QColor paletteColor(int index);
    // Colour of a word at memory level 0..7.
    static QColor levelColor(int level) { return paletteColor(level < 0 ? 0 : level > 7 ? 7 : level); }

    // A stored transcription as the IPA text the phonetic font shows (the same on every screen).
    static QString ipa(const QByteArray& transcription);

private:
    std::array<QFont, kFontCount> m_fonts;
};
