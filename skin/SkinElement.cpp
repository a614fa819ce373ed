#include "SkinElement.h"

#include "IniFile.h"
#include "base/Gbk.h"

#include <QPainter>

namespace vt {

QString SkinElement::displayName() const {
    return QString::fromStdString(toUtf8(m_name));
}

bool SkinElement::load(const IniFile& ini, const std::string& section, const QString& folder) {
    unload();
    m_imageName = ini.value(section, "image");
    m_name = ini.value(section, "name");
    m_left = ini.intValue(section, "left", 0);
    m_top = ini.intValue(section, "top", 0);
    m_right = ini.intValue(section, "right", 0);
    m_bottom = ini.intValue(section, "bottom", 0);
    m_stateNormal = ini.intValue(section, "statenormal", 0);
    m_stateUp = ini.intValue(section, "stateup", 0);
    m_stateDown = ini.intValue(section, "statedown", 0);
    m_stateGray = ini.intValue(section, "stategray", 0);
    m_actions = ini.intValue(section, "actions", 1);
    m_vertical = ini.intValue(section, "vertical", 0);
    m_transparentColor = static_cast<uint32_t>(ini.intValue(section, "transparentcolor", 0));
    m_group = ini.intValue(section, "group", 0);
    m_frame = m_actions == 2 ? m_stateDown : m_stateNormal;
    if (m_imageName.empty())
        return false;
    m_image = SkinImage::load(folder + QString::fromStdString(toUtf8(m_imageName)));
    if (m_image.isNull())
        return false;
    m_hitRegion = frameRegion(m_frame);
    return true;
}

void SkinElement::unload() {
    m_image = SkinImage();
    m_hitRegion = QRegion();
}

QRect SkinElement::frameRect(int k) const {
    if (m_image.isNull())
        return QRect();
    const int n = frameCount();
    const int w = m_image.width(), h = m_image.height();
    QRect r = m_vertical ? QRect(0, static_cast<int>(1LL * h * k / n), w, h / n)
                         : QRect(static_cast<int>(1LL * w * k / n), 0, w / n, h);
    return r.intersected(m_image.image().rect());
}

QRegion SkinElement::frameRegion(int k) const {
    const QRect src = frameRect(k);
    if (src.isEmpty())
        return QRegion();
    return m_image.region(src, m_transparentColor).translated(m_left, m_top);
}

void SkinElement::setFrame(int k) {
    m_frame = k;
    if (hasImage())
        m_hitRegion = frameRegion(k);
}

bool SkinElement::draw(QPainter& painter) {
    if (!hasImage())
        return false;
    const QRect src = frameRect(m_frame);
    m_hitRegion = frameRegion(m_frame);
    if (src.isEmpty())
        return true;
    painter.save();
    painter.setClipRegion(m_hitRegion, Qt::IntersectClip);
    painter.setCompositionMode(m_image.depth() == 32 ? QPainter::CompositionMode_SourceOver
                                                     : QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(m_left, m_top), m_image.image(), src);
    painter.restore();
    return true;
}

int SkinElement::hover(const QPoint& p) {
    // A disabled element keeps its grey frame wherever the pointer is.
    if (!hasImage() || m_hitRegion.isEmpty() || isDisabled())
        return 0;
    if (m_hitRegion.contains(p)) {
        if (isTwoState())
            return 1;
        if (m_frame == m_stateUp)
            return 0;
        setFrame(m_stateUp);
        return 1;
    }
    if (isTwoState() || m_frame == m_stateNormal)
        return 0;
    setFrame(m_stateNormal);
    return 1;
}

int SkinElement::press(const QPoint& p) {
    if (!hasImage() || !m_hitRegion.contains(p) || isDisabled())
        return 0;
    if (!isTwoState())
        setFrame(m_stateDown);
    else if (m_frame == m_stateDown)
        setFrame(m_stateUp);
    else if (m_frame == m_stateUp)
        setFrame(m_stateDown);
    return 1;
}

int SkinElement::release(const QPoint& p) {
    if (!hasImage() || !m_hitRegion.contains(p) || isDisabled())
        return 0;
    if (!isTwoState())
        setFrame(m_stateUp);
    return 1;
}

} // namespace vt
