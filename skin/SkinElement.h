#pragma once
// One skinned element: an image strip of state frames at a position, with the command name the main window
// dispatches on. Its clickable area is the set of non-key-colour pixels of the frame it shows.
#include "SkinImage.h"

#include <QPoint>
#include <QRegion>
#include <QString>

#include <string>

class QPainter;

namespace vt {

class IniFile;

class SkinElement {
public:
    // Reads the keys of `section`; loads the image relative to `folder` (ending in '/'). Returns whether an image
    // was loaded; a missing section or an empty `image` leaves the element empty, a bad image keeps its name.
    bool load(const IniFile& ini, const std::string& section, const QString& folder);
    // Drops the image; the element no longer draws or reacts.
    void unload();

    bool hasImage() const { return !m_image.isNull(); }
    const SkinImage& image() const { return m_image; }
    const std::string& imageName() const { return m_imageName; } // GBK
    const std::string& name() const { return m_name; }           // GBK
    QString displayName() const;
    int left() const { return m_left; }
    int top() const { return m_top; }
    int right() const { return m_right; }
    int bottom() const { return m_bottom; }
    int stateNormal() const { return m_stateNormal; }
    int stateUp() const { return m_stateUp; }
    int stateDown() const { return m_stateDown; }
    int stateGray() const { return m_stateGray; }
    int actions() const { return m_actions; } // as read
    int frameCount() const { return m_actions > 0 ? m_actions : 1; }
    bool vertical() const { return m_vertical != 0; }
    uint32_t transparentColor() const { return m_transparentColor; }
    int group() const { return m_group; }

    bool isTwoState() const { return m_actions == 2; }
    bool isDisabled() const { return m_actions == 4 && m_frame == m_stateGray; }
    // Two-state elements: whether the selected frame (`stateup`) is shown.
    bool isSelected() const { return m_frame == m_stateUp; }

    int frame() const { return m_frame; }
    // Shows frame k; the hit region follows at once, as a redraw would do.
    void setFrame(int k);
    // Source rectangle of frame k in the image (clipped to it, empty when k is out of range).
    QRect frameRect(int k) const;

    // Hit region in client coordinates of the frame shown; empty without an image.
    const QRegion& hitRegion() const { return m_hitRegion; }
    bool contains(const QPoint& p) const { return m_hitRegion.contains(p); }

    // Draws the current frame at (left, top), clipped to its region, alpha-blended for 32-bit images, and
    // replaces the hit region. Returns whether there was an image to draw.
    bool draw(QPainter& painter);

    // State rules; each returns 1 when the element reacted, else 0.
    int hover(const QPoint& p);
    int press(const QPoint& p);
    int release(const QPoint& p);

private:
    QRegion frameRegion(int k) const;

    SkinImage m_image;
    std::string m_imageName;
    std::string m_name;
    int m_left = 0, m_top = 0, m_right = 0, m_bottom = 0;
    int m_stateNormal = 0, m_stateUp = 0, m_stateDown = 0, m_stateGray = 0;
    int m_actions = 1;
    int m_vertical = 0;
    uint32_t m_transparentColor = 0;
    int m_group = 0;
    int m_frame = 0;
    QRegion m_hitRegion;
};

} // namespace vt
