#include "SkinSet.h"

#include "base/Gbk.h"
#include "base/Paths.h"

#include <QFileInfo>
#include <QPainter>

namespace vt {

bool SkinSet::loadGbk(const std::string& gbkIniPath) {
    return load(QString::fromStdString(fsName(gbkIniPath)));
}

bool SkinSet::load(const QString& iniPath) {
    const bool readable = m_ini.load(fromFsName(iniPath.toStdString()));
    QString folder = QFileInfo(iniPath).path();
    if (!folder.endsWith('/'))
        folder += '/';

    if (m_view.load(m_ini, "View0", folder))
        m_shape = m_view.image().region(m_view.transparentColor());
    for (SkinElement& b : m_buttons)
        b.unload();
    for (int i = 0; i < kButtons; ++i)
        m_buttons[static_cast<std::size_t>(i)].load(m_ini, "Button" + std::to_string(i), folder);
    return readable;
}

void SkinSet::unload() {
    m_view.unload();
    for (SkinElement& b : m_buttons)
        b.unload();
}

int SkinSet::indexOf(const std::string& name) const {
    for (int i = 0; i < kButtons; ++i)
        if (button(i).name() == name)
            return i;
    return -1;
}

std::vector<std::string> SkinSet::commandNames() const {
    std::vector<std::string> names;
    for (const SkinElement& b : m_buttons)
        if (b.hasImage())
            names.push_back(b.name());
    return names;
}

QSize SkinSet::viewSize() const {
    return m_view.hasImage() ? QSize(m_view.image().width(), m_view.image().height()) : QSize(800, 600);
}

QRect SkinSet::layoutRect(const std::string& prefix) const {
    const char* sides[] = {"Left", "Top", "Right", "Bottom"};
    int v[4];
    for (int i = 0; i < 4; ++i) {
        if (!m_ini.hasKey("Layout", prefix + sides[i]))
            return QRect();
        v[i] = m_ini.intValue("Layout", prefix + sides[i], 0);
    }
    return QRect(QPoint(v[0], v[1]), QPoint(v[2] - 1, v[3] - 1));
}

void SkinSet::paint(QPainter& painter) {
    m_view.draw(painter);
    for (SkinElement& b : m_buttons)
        b.draw(painter);
}

QImage SkinSet::render() {
    QImage img(viewSize(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter painter(&img);
    paint(painter);
    return img;
}

std::vector<int> SkinSet::hover(const QPoint& p) {
    std::vector<int> reacted;
    for (int i = 0; i < kButtons; ++i)
        if (button(i).hover(p))
            reacted.push_back(i);
    return reacted;
}

int SkinSet::press(const QPoint& p) {
    for (int i = 0; i < kButtons; ++i) {
        if (button(i).press(p)) {
            if (button(i).isTwoState())
                applyRadioRule(i);
            return i;
        }
    }
    return -1;
}

int SkinSet::release(const QPoint& p) {
    for (int i = 0; i < kButtons; ++i)
        if (button(i).release(p))
            return i;
    return -1;
}

// In a group of two or more the clicked element ends up selected; alone in its group it just flips.
void SkinSet::applyRadioRule(int pressed) {
    SkinElement& e = button(pressed);
    bool shared = false;
    for (int i = 0; i < kButtons; ++i) {
        SkinElement& o = button(i);
        if (i == pressed || !o.isTwoState() || o.group() != e.group())
            continue;
        shared = true;
        if (o.frame() == o.stateUp())
            o.setFrame(o.stateDown());
    }
    if (shared)
        e.setFrame(e.stateUp());
}

} // namespace vt
