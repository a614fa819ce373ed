#pragma once
// The statistics panel of the study screens: four gauges, a mini chart of the ten state values and counts.
#include "app/DisplayStyle.h"

#include <QPainter>
#include <QPoint>
#include <QString>
#include <array>
#include <string>

namespace vt {
class CWordStudy;
}

struct PanelFigures {
    std::array<int, 10> values{}; // levels 0..5, mastered, stress, wrong, studied list
    int setSize = 0;              // N: words of the current set
    int vocabulary = 0;           // words at level 4, 5 or mastered (general library, plus the book's others)
    int difficulty = 0;           // mean unit of the general library: the carefree unit, or the book's words
    int wordLevel = 0;            // current word's level 0..7
    int wordRight = 0;
    int wordTests = 0;
    int associated = 0; // words found by the association search
    int studied = 0;    // studied-words list size
};

class StudyPanelPainter {
public:
    explicit StudyPanelPainter(const DisplayStyle& style) : m_style(style) {}
    // Collects the figures from the engine (the studied-words list is the distinct words of the visit history).
    // It walks the general library and the book: call it when the question changes, not on every paint.
    static PanelFigures figures(const vt::CWordStudy& study);
    void paint(QPainter& p, const PanelFigures& f) const;
    // Where "联想到 N 个" goes; a skin whose buttons cover the usual place can move it.
    void setAssociationAt(QPoint at) { m_associationAt = at; }

    // Words of an association text after the first "[W]" value (the word itself).
    static int associatedCount(const std::string& association);
    // Bar length in pixels (0..43) and value text of gauge 0..3 (vocabulary, difficulty, memory, accuracy).
    static int gaugeLength(int gauge, const PanelFigures& f);
    static QString gaugeText(int gauge, const PanelFigures& f);

private:
    const DisplayStyle& m_style;
    QPoint m_associationAt{550, 454};
};
