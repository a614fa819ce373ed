#include "app/StudyPanelPainter.h"

#include "study/CWordStudy.h"
#include "words/CWordList.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <string>
#include <unordered_set>

namespace {

const QColor kPanelText(35, 115, 176);
const QColor kGaugeBar(255, 160, 0);
const QColor kCount(198, 79, 0);
const QColor kBarEdge(128, 128, 192);

bool known(const vt::CWordStruct& e) {
    return e.level() >= 4 && e.level() <= vt::kLevelMaster;
}

// Mean unit of the general library over the book's words it holds, rounded; 0 when it holds none. One look-up
// per book word, so the result is kept until the book or the library changes.
int bookDifficulty(const vt::CWordList& book, const vt::CWordList& general) {
    static struct {
        const vt::CWordList* book = nullptr;
        std::string path;
        int count = -1;
        int generalCount = -1;
        int value = 0;
    } cache;
    if (cache.book == &book && cache.path == book.m_path && cache.count == book.count() &&
        cache.generalCount == general.count())
        return cache.value;
    long long sum = 0;
    int found = 0;
    for (int i = 1; i <= book.count(); ++i) {
        int index = 0, unit = 0;
        if (general.lookUpIndex(book.entry(i).m_word, index, unit) && unit > 0) {
            sum += unit;
            ++found;
        }
    }
    cache = {&book, book.m_path, book.count(), general.count(),
             found ? static_cast<int>(std::lround(static_cast<double>(sum) / found)) : 0};
    return cache.value;
}

// Text at a point, centred on a box as high as the font's pixel size (the cell the positions are given for).
void drawAt(QPainter& p, int x, int y, const QString& text, const QFont& font, const QColor& color) {
    p.setFont(font);
    p.setPen(color);
    const int w = QFontMetrics(font).horizontalAdvance(text) + 2;
    p.drawText(QRect(x, y, w, font.pixelSize()), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, text);
}

QColor barColor(int bar) {
    return DisplayStyle::paletteColor(bar); // levels 0..6, then yellow, cyan, orange
}

} // namespace

PanelFigures StudyPanelPainter::figures(const vt::CWordStudy& study) {
    PanelFigures f;
    const vt::StudyList& list = study.studyList();
    const vt::CWordList& source = study.source();
    for (int level = 0; level <= 5; ++level)
        f.values[static_cast<size_t>(level)] = list.levelCount(level);
    f.values[6] = study.range().kind == vt::RangeMastered ? list.levelCount(vt::kLevelMaster)
                                                          : static_cast<int>(list.mastered().size());
    f.values[7] = list.levelCount(vt::kLevelStress);
    int wrong = 0;
    for (int index : list.entries())
        if (index >= 1 && index <= source.count() && source.entry(index).tests() > source.entry(index).right())
            ++wrong;
    f.values[8] = wrong;
    const std::vector<int>& history = study.visitHistory();
    f.studied = static_cast<int>(std::unordered_set<int>(history.begin(), history.end()).size());
    f.values[9] = f.studied;
    f.setSize = list.size();

    // Vocabulary: words at level 4, 5 or mastered in the general library, plus such words of the current book
    // that the general library does not already count.
    const vt::CWordList& general = study.generalLibrary();
    const vt::CWordList& book = study.book();
    int vocabulary = 0;
    for (int i = 1; i <= general.count(); ++i)
        vocabulary += known(general.entry(i)) ? 1 : 0;
    for (int i = 1; i <= book.count(); ++i) {
        if (!known(book.entry(i)))
            continue;
        int index = 0, unit = 0;
        if (!general.lookUpIndex(book.entry(i).m_word, index, unit) || !known(general.entry(index)))
            ++vocabulary;
    }
    f.vocabulary = vocabulary;

    switch (study.studyKind()) {
    case vt::KindCarefree:
        f.difficulty = static_cast<int>(std::lround(study.unitDisplayValue() / 1000.0));
        break;
    case vt::KindFixedUnit:
        f.difficulty = study.fixedUnit();
        break;
    default:
        f.difficulty = bookDifficulty(book, general);
        break;
    }

    if (study.hasWord()) {
        const vt::CWordStruct& w = study.currentWord();
        f.wordLevel = std::clamp(w.level(), 0, vt::kLevelStress);
        f.wordRight = w.right();
        f.wordTests = w.tests();
        f.associated = associatedCount(w.m_association);
    }
    return f;
}

int StudyPanelPainter::associatedCount(const std::string& association) {
    std::string text = association;
    std::string value;
    int n = 0;
    // The first value is the word itself.
    for (bool first = true; vt::extractTag(text, "[W]", value); first = false)
        if (!first && !value.empty())
            ++n;
    return n;
}

int StudyPanelPainter::gaugeLength(int gauge, const PanelFigures& f) {
    double ratio = 0;
    switch (gauge) {
    case 0:
        ratio = f.vocabulary / 20000.0;
        break;
    case 1:
        ratio = f.difficulty / 20.0;
        break;
    case 2:
        ratio = std::min(f.wordLevel, vt::kLevelMaster) / 6.0;
        break;
    default:
        ratio = f.wordRight / (f.wordTests + 0.1);
        break;
    }
    return std::clamp(static_cast<int>(43 * ratio), 0, 43);
}

QString StudyPanelPainter::gaugeText(int gauge, const PanelFigures& f) {
    switch (gauge) {
    case 0:
        return QString::number(f.vocabulary);
    case 1:
        return QString::number(f.difficulty);
    case 2:
        return f.wordLevel == vt::kLevelStress   ? QStringLiteral("!")
               : f.wordLevel == vt::kLevelMaster ? QStringLiteral("√")
                                                 : QString::number(f.wordLevel);
    default:
        return QString::number(static_cast<int>(100.0 * f.wordRight / (f.wordTests + 0.1))) + QLatin1Char('%');
    }
}

void StudyPanelPainter::paint(QPainter& p, const PanelFigures& f) const {
    p.save();
    p.setBackgroundMode(Qt::TransparentMode);
    p.setRenderHint(QPainter::Antialiasing, false);
    // The gauges keep their positions, but the CJK face's tall line box would run the labels into the boxes
    // 17 pixels below them at the panel font's size: labels and values use smaller faces of the same family.
    QFont labelFont = m_style.font(6);
    labelFont.setPixelSize(13);
    QFont valueFont = m_style.font(6);
    valueFont.setPixelSize(12);
    static const char* const kGauges[] = {"词汇量：", "难度级：", "记忆度：", "正确率："};
    for (int g = 0; g < 4; ++g) {
        const int y = 464 + 25 * g;
        drawAt(p, 22, y, QString::fromUtf8(kGauges[g]), labelFont, kPanelText);
        const int boxTop = y + 17;
        p.setPen(kPanelText);
        p.setBrush(Qt::NoBrush);
        p.drawRect(22, boxTop, 44, 6); // 45 x 7 pixels with the one-pixel pen
        const int len = gaugeLength(g, f);
        if (len > 0)
            p.fillRect(23, boxTop + 1, len, 5, kGaugeBar);
        drawAt(p, 72, boxTop - 3, gaugeText(g, f), valueFont, kPanelText);
    }

    // Mini chart of the ten state values.
    const double step = 70 / (10 + 0.00001);
    const double scale = 30 / (f.setSize + 0.00001);
    const int ceiling = static_cast<int>(400 - f.setSize * scale);
    for (int i = 0; i < 10; ++i) {
        const int left = static_cast<int>(25 + i * step);
        const int right = static_cast<int>(25 + (i + 1) * step);
        const int top = std::max(static_cast<int>(400 - f.values[static_cast<size_t>(i)] * scale), ceiling);
        if (top >= 400)
            continue;
        p.fillRect(QRect(QPoint(left, top), QPoint(right - 1, 399)), barColor(i));
        p.setPen(kBarEdge);
        p.drawLine(left, 399, left, top);
        p.drawLine(left, top, right - 1, top);
        p.drawLine(right - 1, top, right - 1, 399);
    }
    p.setPen(kPanelText);
    p.drawLine(25, 400, 95, 400);

    const QFont& countFont = m_style.font(5);
    drawAt(p, 745, 135, QString::number(f.studied), countFont, kCount);
    drawAt(p, m_associationAt.x(), m_associationAt.y(), QStringLiteral("联想到 %1 个").arg(f.associated), countFont,
           kCount);
    p.restore();
}
