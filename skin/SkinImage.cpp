#include "SkinImage.h"

#include <QFile>
#include <QImageReader>

#include <vector>

namespace vt {
namespace {

int depthOfFormat(const QImage& img) {
    switch (img.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
    case QImage::Format_Indexed8:
        return 8;
    case QImage::Format_RGB16:
        return 16;
    default:
        return img.hasAlphaChannel() ? 32 : 24;
    }
}

// Bits per pixel from a BMP header, 0 when the file is not a BMP we understand.
int bmpDepth(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    QByteArray h = f.read(30);
    if (h.size() < 30 || h[0] != 'B' || h[1] != 'M')
        return 0;
    auto u8 = [&](int i) { return static_cast<unsigned>(static_cast<unsigned char>(h[i])); };
    unsigned infoSize = u8(14) | u8(15) << 8 | u8(16) << 16 | u8(17) << 24;
    unsigned bits = infoSize == 12 ? (u8(24) | u8(25) << 8) : (u8(28) | u8(29) << 8);
    if (bits == 0)
        return 0;
    return bits <= 8 ? 8 : bits <= 16 ? 16 : bits <= 24 ? 24 : 32;
}

struct Run {
    int x0, x1; // [x0, x1)
    bool operator==(const Run& o) const { return x0 == o.x0 && x1 == o.x1; }
};

} // namespace

SkinImage::SkinImage(const QImage& image) : m_image(image) {
    if (!m_image.isNull())
        normalise(depthOfFormat(m_image));
}

SkinImage SkinImage::load(const QString& path) {
    SkinImage result;
    QImageReader reader(path);
    QImage img = reader.read();
    if (img.isNull() || img.width() <= 0 || img.height() <= 0)
        return result;
    // Qt widens 16-bit BMP pixels to 32 bits on load; the header tells the depth the key is compared in.
    int depth = bmpDepth(path);
    if (depth == 0 || (depth == 8 && depthOfFormat(img) != 8))
        depth = depthOfFormat(img);
    result.m_image = img;
    result.normalise(depth);
    return result;
}

// One pixel format per depth keeps the run scanner simple: Indexed8, RGB16, RGB32, ARGB32 (not premultiplied, so
// the colour of a pixel is what the file holds).
void SkinImage::normalise(int depth) {
    m_depth = depth;
    switch (depth) {
    case 8:
        m_image = m_image.convertToFormat(QImage::Format_Indexed8);
        break;
    case 16:
        m_image = m_image.convertToFormat(QImage::Format_RGB16);
        break;
    case 24:
        m_image = m_image.convertToFormat(QImage::Format_RGB32);
        break;
    default:
        m_depth = 32;
        m_image = m_image.convertToFormat(QImage::Format_ARGB32);
        break;
    }
}

QRegion SkinImage::region(const QRect& area, uint32_t key) const {
    const QRect r = area.intersected(m_image.rect());
    if (r.isEmpty())
        return QRegion();
    const int kr = key & 0xFF, kg = (key >> 8) & 0xFF, kb = (key >> 16) & 0xFF;
    const QRgb keyRgb = qRgb(kr, kg, kb) & 0xFFFFFF;
    const quint16 key565 = static_cast<quint16>(((kr >> 3) << 11) | ((kg >> 2) << 5) | (kb >> 3));
    bool keyIndex[256] = {};
    if (m_depth == 8) {
        const QList<QRgb> table = m_image.colorTable();
        for (int i = 0; i < table.size() && i < 256; ++i)
            keyIndex[i] = (table[i] & 0xFFFFFF) == keyRgb;
    }
    auto isKey = [&](const uchar* line, int x) {
        switch (m_depth) {
        case 8:
            return keyIndex[line[x]];
        case 16:
            return reinterpret_cast<const quint16*>(line)[x] == key565;
        default:
            return (reinterpret_cast<const QRgb*>(line)[x] & 0xFFFFFF) == keyRgb;
        }
    };

    // Runs of each row; a row equal to the row above widens that band instead of adding rectangles.
    std::vector<QRect> rects;
    std::vector<Run> prev, cur;
    std::size_t prevStart = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const uchar* line = m_image.constScanLine(y);
        cur.clear();
        int x = r.left();
        while (x <= r.right()) {
            while (x <= r.right() && isKey(line, x))
                ++x;
            if (x > r.right())
                break;
            int start = x;
            while (x <= r.right() && !isKey(line, x))
                ++x;
            cur.push_back({start - r.left(), x - r.left()});
        }
        if (!cur.empty() && cur == prev && y > r.top()) {
            for (std::size_t i = prevStart; i < rects.size(); ++i)
                rects[i].setBottom(rects[i].bottom() + 1);
            continue;
        }
        prevStart = rects.size();
        for (const Run& run : cur)
            rects.emplace_back(run.x0, y - r.top(), run.x1 - run.x0, 1);
        prev.swap(cur);
    }
    QRegion region;
    if (!rects.empty())
        region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

} // namespace vt
