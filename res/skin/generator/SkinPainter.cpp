#include "SkinPainter.h"

#include <QPainter>
#include <QPainterPath>

namespace vt::skingen {

QColor levelColor(int level) {
    if (level >= 7)
        return QColor(255, 255, 0);
    return QColor(255 - 40 * level, 255, 255 - 40 * level);
}

QFont SkinPainter::font(int pixelSize, bool bold) {
    QFont f("Noto Sans CJK SC");
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QImage SkinPainter::canvas(QSize size) {
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QImage SkinPainter::strip(const std::vector<QImage>& frames, bool vertical) {
    const QSize f = frames.front().size();
    const int n = static_cast<int>(frames.size());
    QImage out = canvas(vertical ? QSize(f.width(), f.height() * n) : QSize(f.width() * n, f.height()));
    {
        QPainter p(&out);
        for (int i = 0; i < n; ++i)
            p.drawImage(vertical ? QPoint(0, i * f.height()) : QPoint(i * f.width(), 0), frames[i]);
    }
    out = out.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if (qAlpha(line[x]) == 0)
                line[x] = kKeyRgb & 0x00FFFFFF; // key colour, fully transparent
    }
    return out;
}

QImage SkinPainter::keyedView(const QImage& drawn) {
    QImage in = drawn.convertToFormat(QImage::Format_ARGB32);
    QImage out(in.size(), QImage::Format_RGB32);
    for (int y = 0; y < in.height(); ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(in.constScanLine(y));
        QRgb* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < in.width(); ++x) {
            QRgb c = src[x];
            // A window mask has no half-covered pixels: the outline is the half-coverage line.
            dst[x] = qAlpha(c) < 128 ? kKeyRgb
                                     : (qRgb(qRed(c), qGreen(c), qBlue(c)) == kKeyRgb ? 0xFFFE00FE : c | 0xFF000000);
        }
    }
    return out;
}

void SkinPainter::roundedBox(QPainter& p, const QRectF& r, qreal radius, const QColor& fill, const QColor& border,
                             qreal borderWidth) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (border.isValid() && borderWidth > 0) {
        p.setPen(QPen(border, borderWidth));
        const qreal h = borderWidth / 2;
        p.setBrush(fill);
        p.drawRoundedRect(r.adjusted(h, h, -h, -h), radius, radius);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawRoundedRect(r, radius, radius);
    }
    p.restore();
}

namespace {

void centredText(QPainter& p, const QRectF& r, const QString& text, const QFont& f, const QColor& c) {
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, text);
}

} // namespace

std::vector<QImage> SkinPainter::drawFrames(QSize size, int count, const std::function<void(QPainter&, int)>& draw) {
    std::vector<QImage> frames;
    for (int index = 0; index < count; ++index) {
        QImage img = canvas(size);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p, index);
        p.end();
        frames.push_back(img);
    }
    return frames;
}

std::vector<QImage> SkinPainter::push(QSize size, const QString& label, Style style) {
    const QRectF r(0, 0, size.width(), size.height());
    const qreal radius = style == Style::Close ? size.height() / 2.0 : qMin<qreal>(8, size.height() / 2.0);
    return drawFrames(size, 3, [&](QPainter& p, int state) {
        p.setRenderHint(QPainter::TextAntialiasing);
        QColor fill, border, text;
        switch (style) {
        case Style::Primary:
            fill = state == 0 ? colors::accent : state == 1 ? colors::accentHover : colors::accentDown;
            border = fill.darker(115);
            text = Qt::white;
            break;
        case Style::Secondary:
            fill = state == 0 ? colors::card : state == 1 ? QColor(0xE4, 0xEF, 0xFD) : QColor(0xC9, 0xDD, 0xF7);
            border = state == 0 ? colors::cardBorder : colors::accent;
            text = state == 2 ? colors::accentDown : colors::ink;
            break;
        case Style::Title:
        case Style::Link:
            fill = state == 0   ? QColor(255, 255, 255, 38)
                   : state == 1 ? QColor(255, 255, 255, 80)
                                : QColor(255, 255, 255, 130);
            border = QColor(255, 255, 255, state == 0 ? 60 : 150);
            text = Qt::white;
            break;
        case Style::Close:
            fill = state == 0   ? QColor(255, 255, 255, 38)
                   : state == 1 ? QColor(0xE8, 0x4A, 0x4A)
                                : QColor(0xB8, 0x2E, 0x2E);
            border = QColor(255, 255, 255, state == 0 ? 60 : 0);
            text = Qt::white;
            break;
        }
        const QRectF body = state == 2 ? r.adjusted(0, 1, 0, 0) : r; // pressed: sinks by a pixel
        roundedBox(p, body, radius, fill, border);
        const int px = qBound(12, size.height() / 2, 16);
        centredText(p, body, label, font(px, style == Style::Primary), text);
    });
}

std::vector<QImage> SkinPainter::tile(QSize size, const QString& badge, const QColor& color, const QString& label,
                                      const QString& description) {
    return drawFrames(size, 3, [&](QPainter& p, int state) {
        const QRectF r(0, 0, size.width(), size.height());
        const QColor fill = state == 0   ? colors::card
                            : state == 1 ? QColor(0xF1, 0xF7, 0xFF)
                                         : QColor(0xDD, 0xEA, 0xFB);
        const QColor border = state == 0 ? colors::cardBorder : color;
        roundedBox(p, r.adjusted(0, state == 2 ? 1 : 0, 0, 0), 12, fill, border, state == 0 ? 1.0 : 2.0);
        const bool wide = !description.isEmpty();
        const qreal d = wide ? 64 : 58;
        const QRectF circle =
            wide ? QRectF(24, (size.height() - d) / 2, d, d) : QRectF((size.width() - d) / 2, 18, d, d);
        p.setPen(Qt::NoPen);
        p.setBrush(state == 2 ? color.darker(115) : color);
        p.drawEllipse(circle);
        centredText(p, circle, badge, font(badge.size() > 2 ? 17 : 26, true), Qt::white);
        if (wide) {
            const QRectF text(circle.right() + 20, 0, size.width() - circle.right() - 36, size.height());
            p.setFont(font(22, true));
            p.setPen(colors::ink);
            p.drawText(text.adjusted(0, size.height() / 2.0 - 38, 0, 0), Qt::AlignLeft | Qt::AlignTop, label);
            p.setFont(font(14));
            p.setPen(colors::muted);
            p.drawText(text.adjusted(0, size.height() / 2.0 - 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                       description);
        } else {
            centredText(p, QRectF(0, circle.bottom() + 8, size.width(), 30), label, font(18, true), colors::ink);
        }
    });
}

std::vector<QImage> SkinPainter::chip(QSize size, const QString& label) {
    return drawFrames(size, 2, [&](QPainter& p, int selected) {
        const QRectF r(0, 0, size.width(), size.height());
        if (selected)
            roundedBox(p, r, size.height() / 2.0, colors::accent, colors::accentDown);
        else
            roundedBox(p, r, size.height() / 2.0, colors::card, colors::cardBorder);
        centredText(p, r, label, font(14, selected != 0), selected ? QColor(Qt::white) : colors::ink);
    });
}

std::vector<QImage> SkinPainter::option(QSize size) {
    return drawFrames(size, 2, [&](QPainter& p, int checked) {
        const QRectF r(0, 0, size.width(), size.height());
        const qreal h = size.height();
        const QRectF box(size.width() - h + 3, 4, h - 8, h - 8);
        if (checked) {
            roundedBox(p, r, h / 2, QColor(0xDC, 0xEB, 0xFF), colors::accent);
            roundedBox(p, box, 3, colors::accent, QColor());
            p.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            const qreal bw = box.width();
            p.drawPolyline(
                QPolygonF({box.topLeft() + QPointF(bw * 0.22, bw * 0.52), box.topLeft() + QPointF(bw * 0.43, bw * 0.74),
                           box.topLeft() + QPointF(bw * 0.80, bw * 0.28)}));
        } else {
            roundedBox(p, r, h / 2, colors::card, colors::cardBorder);
            roundedBox(p, box, 3, colors::card, QColor(0x9D, 0xB2, 0xC8), 1.4);
        }
    });
}

std::vector<QImage> SkinPainter::level(QSize size, const QString& label, const QColor& color) {
    return drawFrames(size, 2, [&](QPainter& p, int selected) {
        const QRectF r(0, 0, size.width(), size.height());
        const qreal h = size.height();
        if (selected) {
            roundedBox(p, r, 7, color, colors::accentDown, 2.4);
            p.setPen(QPen(colors::accentDown, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(QPolygonF({QPointF(12, h * 0.52), QPointF(17, h * 0.70), QPointF(26, h * 0.32)}));
            centredText(p, r.adjusted(22, 0, 0, 0), label, font(15, true), colors::ink);
        } else {
            roundedBox(p, r, 7, colors::card, colors::cardBorder);
            roundedBox(p, QRectF(10, h / 2 - 7, 14, 14), 3, color, QColor(0x9D, 0xB2, 0xC8));
            centredText(p, r.adjusted(22, 0, 0, 0), label, font(15), colors::ink);
        }
    });
}

std::vector<QImage> SkinPainter::item(QSize size, const QString& letter) {
    return drawFrames(size, 3, [&](QPainter& p, int state) {
        const QRectF r(0, 0, size.width(), size.height());
        const QColor fill = state == 0   ? colors::softCard
                            : state == 1 ? QColor(0xE4, 0xEF, 0xFD)
                                         : QColor(0xCB, 0xDF, 0xF8);
        roundedBox(p, r, 7, fill, state == 0 ? colors::cardBorder : colors::accent);
        const qreal d = size.height() - 8;
        const QRectF badge(5, 4, d, d);
        p.setPen(Qt::NoPen);
        p.setBrush(state == 0 ? QColor(0x9D, 0xB2, 0xC8) : colors::accent);
        p.drawEllipse(badge);
        centredText(p, badge, letter, font(13, true), Qt::white);
    });
}

} // namespace vt::skingen
