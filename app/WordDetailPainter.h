#pragma once
// Draws the text layer of the study screens (modes 1, 3, 4, 5): word, phonetic, meaning, hint, notes block,
// choices, option labels; plus the progress bar and the main screen's help text.
#include "app/DisplayStyle.h"
#include "study/QuestionRecord.h"

#include <QPainter>
#include <QRect>
#include <QString>

struct DisplayFlags {
    bool danci = true;   // show the word
    bool daxie = false;  // word in capitals
    bool yinbiao = true; // show the phonetic
};

class WordDetailPainter {
public:
    explicit WordDetailPainter(const DisplayStyle& style) : m_style(style) {}
    // Whole text layer of a study mode, drawn over the skin.
    void paint(QPainter& p, int mode, const vt::QuestionRecord& q, const DisplayFlags& flags) const;
    // Redraws one choice (0..3 for A..D) in its rectangle, as on hover.
    void paintChoice(QPainter& p, int mode, const vt::QuestionRecord& q, int index) const;
    static bool modeHasChoices(int mode) { return mode == 1 || mode == 4; }
    static QRect choiceRect(int index);
    static QRect notesRect(int mode);
    // "[例句] ..." "\n[变化] ..." composition of the notes block.
    static QString notesText(const vt::QuestionRecord& q);
    // Part of the extended text after its first CR LF (shown in the edit field), empty when none.
    static QString extendedRemainder(const vt::QuestionRecord& q);
    // Progress line at (132, 160): fraction 0..1 of the auto-advance interval.
    static void paintProgressBar(QPainter& p, double fraction);
    // Help text of the main screen, white, word-wrapped in (60, 500)-(740, 580).
    void paintHelpText(QPainter& p, const QString& text) const;

private:
    const DisplayStyle& m_style;
};
