#pragma once
// Draws the frames of the default skin's elements with QPainter: one place for the palette, the font and the
// shapes, so the whole look changes here.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class QPainter;

namespace vt::skingen {

// Key colour of the default skin (magenta), as RGB and as the INI's COLORREF value.
constexpr QRgb kKeyRgb = 0xFFFF00FF;
constexpr int kKeyColorRef = 255 + 65536 * 255;

namespace colors {
const QColor window(0xEE, 0xF3, 0xF8);
const QColor titleTop(0x1D, 0x4E, 0x7E);
const QColor titleBottom(0x26, 0x62, 0x98);
const QColor card(0xFF, 0xFF, 0xFF);
const QColor cardBorder(0xD3, 0xDE, 0xEA);
const QColor softCard(0xF5, 0xF8, 0xFC);
const QColor ink(0x1F, 0x33, 0x4A);
const QColor muted(0x6A, 0x7F, 0x95);
const QColor accent(0x2F, 0x80, 0xED);
const QColor accentHover(0x4B, 0x95, 0xF4);
const QColor accentDown(0x1B, 0x60, 0xC0);
const QColor wordCard(0x1E, 0x3A, 0x5C);
const QColor helpPanel(0x1E, 0x3A, 0x5C);
} // namespace colors

// Memory level k (0..6) is white with red and blue lowered by 40 * k; 7 (stress) is yellow.
QColor levelColor(int level);

class SkinPainter {
public:
    enum class Style { Primary, Secondary, Title, Close, Link };

    static QFont font(int pixelSize, bool bold = false);
    // A transparent canvas to draw one frame on.
    static QImage canvas(QSize size);
    // Frames side by side (or stacked) in one 32-bit strip; fully transparent pixels get the key colour.
    static QImage strip(const std::vector<QImage>& frames, bool vertical);
    // A view canvas: pixels outside the rounded outline become the key colour, the rest is opaque.
    static QImage keyedView(const QImage& drawn);

    // Push button: normal, hover, pressed.
    static std::vector<QImage> push(QSize size, const QString& label, Style style);
    // Big tile of a menu screen with a round badge, a title and an optional description: normal, hover, pressed.
    static std::vector<QImage> tile(QSize size, const QString& badge, const QColor& color, const QString& label,
                                    const QString& description);
    // Two-state chip: unselected, selected.
    static std::vector<QImage> chip(QSize size, const QString& label);
    // Two-state option pill: the main window writes the option's name at its left, the pill shows a check box at
    // its right end. Frames: unchecked, checked.
    static std::vector<QImage> option(QSize size);
    // Two-state level button with the level's colour: unselected, selected.
    static std::vector<QImage> level(QSize size, const QString& label, const QColor& color);
    // Answer row behind a choice text with its letter badge: normal, hover, pressed.
    static std::vector<QImage> item(QSize size, const QString& letter);

    static void roundedBox(QPainter& p, const QRectF& r, qreal radius, const QColor& fill, const QColor& border,
                           qreal borderWidth = 1.0);

private:
    // Draws count frames of one element on antialiased transparent canvases; draw gets the frame's index.
    static std::vector<QImage> drawFrames(QSize size, int count, const std::function<void(QPainter&, int)>& draw);
};

} // namespace vt::skingen
