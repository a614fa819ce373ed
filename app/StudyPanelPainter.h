#pragma once
// The statistics panel of the study screens: four gauges, a mini chart of the ten state values and counts.
#include "app/DisplayStyle.h"

#include <QPainter>
#include <array>

namespace vt {
class CWordStudy;
}

struct PanelFigures {
    std::array<int, 10> values{}; // levels 0..5, mastered, stress, wrong, studied list
    int setSize = 0;              // N: words of the current set
    int vocabulary = 0;           // learner's vocabulary size (words known)
    int difficulty = 0;           // difficulty level (unit of the general library)
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
    static PanelFigures figures(const vt::CWordStudy& study);
    void paint(QPainter& p, const PanelFigures& f) const;

private:
    const DisplayStyle& m_style;
};
