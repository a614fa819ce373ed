#include "app/WordDetailPainter.h"

#include "base/Gbk.h"

#include <QFontMetrics>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

QString fromGbk(const std::string& text) {
    return QString::fromUtf8(vt::toUtf8(text));
}

// Windows rectangles exclude their right and bottom edges.
QRect winRect(int left, int top, int right, int bottom) {
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

// Baseline that centres a line on a band: the CJK font's line box is about 1.45 times its pixel size with much
// of it above the glyphs, so neither top alignment nor centring that box keeps the glyphs inside the rectangles
// the layout gives (often just the pixel size high). The ideographs' em box reaches 0.88 em above the baseline
// and Latin descenders about 0.2 em below it; 0.36 em under the band's middle centres that range.
int centredBaseline(const QRect& r, const QFont& font) {
    return static_cast<int>(std::lround(r.top() + r.height() / 2.0 + 0.36 * font.pixelSize()));
}

// One line, cut with "…" at the rectangle's width and centred on its height.
void drawLine(QPainter& p, const QRect& r, const QString& text, const QFont& font, const QColor& color) {
    if (text.isEmpty() || r.width() <= 0)
        return;
    p.setFont(font);
    p.setPen(color);
    const QString shown = QFontMetrics(font).elidedText(text, Qt::ElideRight, r.width());
    p.drawText(QPoint(r.left(), centredBaseline(r, font)), shown);
}

// Word-wrapped text of whole lines only: a line that would not fit is left out and the last shown line ends
// with "…". Lines are 1.3 times the pixel size apart instead of the font's roomier 1.45.
void drawBlock(QPainter& p, const QRect& r, QString text, const QFont& font, const QColor& color) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.isEmpty() || r.width() <= 0)
        return;
    const QFontMetricsF fm(font);
    const qreal step = std::ceil(font.pixelSize() * 1.3);
    const qreal lift = (fm.height() - step) / 2; // centre the glyphs in the tighter line
    const int maxLines = std::max(1, static_cast<int>(r.height() / step));

    std::vector<QString> lines;
    bool more = false;
    for (const QString& para : text.split(QLatin1Char('\n'))) {
        if (static_cast<int>(lines.size()) >= maxLines) {
            more = true;
            break;
        }
        if (para.isEmpty()) {
            lines.emplace_back();
            continue;
        }
        QTextLayout layout(para, font);
        QTextOption opt;
        opt.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(opt);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(r.width());
            if (static_cast<int>(lines.size()) >= maxLines) {
                more = true;
                break;
            }
            lines.push_back(para.mid(line.textStart(), line.textLength()));
        }
        layout.endLayout();
    }
    if (more && !lines.empty())
        lines.back() = QFontMetrics(font).elidedText(lines.back() + QStringLiteral("…"), Qt::ElideRight, r.width());

    p.save();
    p.setClipRect(r);
    p.setFont(font);
    p.setPen(color);
    qreal y = r.top() - lift;
    for (const QString& line : lines) {
        p.drawText(QPointF(r.left(), y + fm.ascent()), line);
        y += step;
    }
    p.restore();
}

// The word of a fill question with the learner's letters written into its blanks (extra letters go right
// after the last blank), as runs of text and "typed" flags.
std::vector<std::pair<QString, bool>> fillRuns(const QString& word, const QString& typed) {
    std::vector<std::pair<QString, bool>> runs;
    auto add = [&runs](QChar c, bool isTyped) {
        if (runs.empty() || runs.back().second != isTyped)
            runs.emplace_back(QString(), isTyped);
        runs.back().first += c;
    };
    int next = 0;
    int lastBlank = word.lastIndexOf(QLatin1Char('_'));
    for (int i = 0; i < word.size(); ++i) {
        if (word[i] == QLatin1Char('_') && next < typed.size())
            add(typed[next++], true);
        else
            add(word[i], false);
        if (i == lastBlank)
            while (next < typed.size())
                add(typed[next++], true);
    }
    return runs;
}

constexpr int kLabelLeft[] = {160, 220, 290, 355, 420};
constexpr int kLabelRight[] = {220, 300, 360, 420, 485};
const char* const kLabels[] = {"音标", "大写", "发音", "读句", "单词"};

const QColor kSelectedFill(204, 228, 247, 200);
const QColor kSelectedEdge(35, 115, 176);
const QColor kRightFill(198, 239, 206, 220);
const QColor kRightEdge(46, 160, 67);
const QColor kWrongFill(255, 205, 210, 220);
const QColor kWrongEdge(211, 47, 47);

} // namespace

QRect WordDetailPainter::choiceRect(int index) {
    static const QRect rects[4] = {winRect(175, 290, 350, 310), winRect(175, 322, 350, 343),
                                   winRect(175, 354, 350, 376), winRect(175, 387, 350, 409)};
    return rects[std::clamp(index, 0, 3)];
}

QRect WordDetailPainter::notesRect(int mode) {
    switch (mode) {
    case 3:
        return winRect(150, 285, 615, 410);
    case 5:
        return winRect(160, 300, 615, 410);
    default:
        return winRect(370, 285, 615, 410);
    }
}

QString WordDetailPainter::notesText(const vt::QuestionRecord& q) {
    struct Part {
        const char* tag;
        const std::string& value;
    };
    const Part parts[] = {{"[例句] ", q.example},
                          {"[变化] ", q.inflections},
                          {"[英释] ", q.english},
                          {"[考点] ", q.testPoints},
                          {"[辨析] ", q.usage}};
    // Every part but the example starts on a new line, so a word without an example begins with a line break.
    QString out;
    for (const Part& part : parts) {
        if (part.value.empty())
            continue;
        if (&part != &parts[0])
            out += QLatin1Char('\n');
        out += QString::fromUtf8(part.tag) + fromGbk(part.value);
    }
    return out;
}

QString WordDetailPainter::extendedRemainder(const vt::QuestionRecord& q) {
    const size_t crlf = q.extended.find("\r\n");
    if (crlf == std::string::npos || crlf + 2 >= q.extended.size())
        return QString();
    QString rest = fromGbk(q.extended.substr(crlf + 2));
    rest.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return rest;
}

void WordDetailPainter::paint(QPainter& p, int mode, const vt::QuestionRecord& q, const DisplayFlags& flags) const {
    if (mode != 1 && mode != 3 && mode != 4 && mode != 5)
        return;
    p.save();
    p.setBackgroundMode(Qt::TransparentMode);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QColor levelColor = DisplayStyle::levelColor(q.level);
    const QFont& wordFont = m_style.font(1);

    drawLine(p, winRect(160, 175, 200, 210), fromGbk(q.itemLabel), wordFont, levelColor);

    QString word = fromGbk(q.word);
    if (flags.daxie)
        word = word.toUpper();
    // The phonetic starts after the word even when the word is hidden, so it does not jump with the option.
    int wordWidth = QFontMetrics(wordFont).horizontalAdvance(word);
    const QRect wordRect = winRect(190, 175, 600, 220);
    const bool showTyped = q.isFill() && q.phase == vt::PhaseAsking && !q.typed.empty();
    if (flags.danci && !word.isEmpty()) {
        const auto runs =
            showTyped ? fillRuns(word, fromGbk(q.typed)) : std::vector<std::pair<QString, bool>>{{word, false}};
        QString whole;
        for (const auto& r : runs)
            whole += r.first;
        // A word wider than its place is drawn smaller rather than cut.
        QFont f = wordFont;
        while (QFontMetrics(f).horizontalAdvance(whole) > wordRect.width() && f.pixelSize() > 20)
            f.setPixelSize(f.pixelSize() - 2);
        const QFontMetrics fm(f);
        wordWidth = std::max(wordWidth, std::min(fm.horizontalAdvance(whole), wordRect.width()));
        p.setFont(f);
        const int baseline = centredBaseline(wordRect, f);
        int x = wordRect.left();
        for (const auto& r : runs) {
            p.setPen(r.second ? DisplayStyle::paletteColor(DisplayStyle::kOrange) : levelColor);
            p.drawText(QPoint(x, baseline), r.first);
            x += fm.horizontalAdvance(r.first);
        }
    }

    if (flags.yinbiao && !q.phonetic.empty()) {
        const int left = 190 + wordWidth + 20;
        drawLine(p, winRect(left, 180, 600, 215),
                 QLatin1Char('[') + DisplayStyle::ipa(QByteArray::fromStdString(q.phonetic)) + QLatin1Char(']'),
                 m_style.font(2), levelColor);
    }

    drawLine(p, winRect(190, 215, 600, 245), fromGbk(q.meaning), m_style.font(3), Qt::white);
    if (!q.hint.empty())
        drawLine(p, winRect(190, 243, 600, 270), QStringLiteral("[记法] ") + fromGbk(q.hint), m_style.font(4),
                 Qt::white);

    drawBlock(p, notesRect(mode), notesText(q), m_style.font(8), Qt::black);

    if (modeHasChoices(mode))
        for (int i = 0; i < 4; ++i)
            paintChoice(p, mode, q, i);

    const int top = mode == 1 ? 138 : 140;
    for (int i = 0; i < 5; ++i)
        drawLine(p, winRect(kLabelLeft[i], top, kLabelRight[i], 160), QString::fromUtf8(kLabels[i]), m_style.font(5),
                 Qt::black);
    p.restore();
}

void WordDetailPainter::paintChoice(QPainter& p, int mode, const vt::QuestionRecord& q, int index) const {
    if (!modeHasChoices(mode) || index < 0 || index > 3)
        return;
    const QRect r = choiceRect(index);
    const int option = index + 1;
    const bool answered = q.phase != vt::PhaseAsking && q.rightOption > 0;
    QColor fill, edge;
    QString mark;
    if (answered && option == q.rightOption) {
        fill = kRightFill;
        edge = kRightEdge;
        mark = QStringLiteral("✓");
    } else if (answered && option == q.selected) {
        fill = kWrongFill;
        edge = kWrongEdge;
        mark = QStringLiteral("✗");
    } else if (!answered && option == q.selected) {
        fill = kSelectedFill;
        edge = kSelectedEdge;
    }
    p.save();
    const QFont& font = m_style.font(4);
    QRect textRect = r;
    if (fill.isValid()) {
        // Inside the skin's item button, around the text.
        const QRectF box = QRectF(r).adjusted(-3, -3.5, 4, 3.5);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(edge, 1.5));
        p.setBrush(fill);
        p.drawRoundedRect(box, 4, 4);
        if (!mark.isEmpty()) {
            const int w = QFontMetrics(font).horizontalAdvance(mark);
            drawLine(p, QRect(r.right() - w + 1, r.top(), w, r.height()), mark, font, edge);
            textRect.setRight(r.right() - w - 2);
        }
    }
    // A long choice (the give-up entry, a meaning with several senses) is drawn smaller before it is cut.
    const QString text = fromGbk(q.choices[index]);
    QFont fitted = font;
    while (fitted.pixelSize() > 14 && QFontMetrics(fitted).horizontalAdvance(text) > textRect.width())
        fitted.setPixelSize(fitted.pixelSize() - 1);
    drawLine(p, textRect, text, fitted, Qt::black);
    p.restore();
}

void WordDetailPainter::paintProgressBar(QPainter& p, double fraction) {
    // A 3-pixel pen on y = 160 covers rows 159..161.
    constexpr int kLeft = 132, kTop = 159, kLength = 495;
    fraction = std::clamp(fraction, 0.0, 1.0);
    p.fillRect(kLeft, kTop, kLength, 3, QColor(193, 225, 246));
    const int done = static_cast<int>(fraction * kLength);
    if (done > 0)
        p.fillRect(kLeft, kTop, done, 3, QColor(255, 216, 0));
}

void WordDetailPainter::paintHelpText(QPainter& p, const QString& text) const {
    p.save();
    drawBlock(p, winRect(60, 500, 740, 580), text, m_style.font(4), Qt::white);
    p.restore();
}
