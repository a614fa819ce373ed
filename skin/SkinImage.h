#pragma once
// An element's bitmap together with the pixel depth it was stored in (8, 16, 24 or 32 bits), because the key
// colour is compared in that depth: 5-6-5 for 16 bits, through the palette for 8 bits.
#include <QImage>
#include <QRect>
#include <QRegion>
#include <QString>

#include <cstdint>

namespace vt {

class SkinImage {
public:
    SkinImage() = default;
    // Takes an image in memory; the depth follows its format (Indexed8 / Mono 8, RGB16 16, RGB32 / RGB888 24,
    // any format with alpha 32).
    explicit SkinImage(const QImage& image);

    // Loads a file; BMP files keep the depth of their header. A file that does not load gives a null image.
    static SkinImage load(const QString& path);

    bool isNull() const { return m_image.isNull(); }
    const QImage& image() const { return m_image; }
    int depth() const { return m_depth; }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }

    // The pixels of `area` (clipped to the image) that differ from the key colour, as one-pixel-high runs,
    // in coordinates relative to area's top-left corner. The key is a COLORREF: red + 256 * green + 65536 * blue.
    QRegion region(const QRect& area, uint32_t keyColorRef) const;
    QRegion region(uint32_t keyColorRef) const { return region(m_image.rect(), keyColorRef); }

private:
    void normalise(int depth);

    QImage m_image;
    int m_depth = 0;
};

} // namespace vt
