#pragma once
// The skin of one screen: the view element (background and window outline) and the 50 button elements, loaded
// from one INI file of a skin set. Renders into any QPainter and hit-tests without needing a window.
#include "IniFile.h"
#include "SkinElement.h"

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QString>

#include <array>
#include <vector>

namespace vt {

class SkinSet {
public:
    static constexpr int kButtons = 50;

    // Loads "View0" and "Button0".."Button49" of an INI file (a file-system path). The window shape is rebuilt
    // from the view image and kept as it was when the view image does not load. Returns whether the INI file
    // could be read; a missing file leaves every element empty.
    bool load(const QString& iniPath);
    // Same for a GBK path, as the core builds them.
    bool loadGbk(const std::string& gbkIniPath);
    // Drops every image (the window shape stays).
    void unload();

    const SkinElement& view() const { return m_view; }
    SkinElement& button(int i) { return m_buttons[static_cast<std::size_t>(i)]; }
    const SkinElement& button(int i) const { return m_buttons[static_cast<std::size_t>(i)]; }
    int buttonCount() const { return kButtons; }
    // Index of the first button with that command name (exact, GBK), -1 when none.
    int indexOf(const std::string& name) const;
    // Command names of the buttons that have an image, in array order (GBK).
    std::vector<std::string> commandNames() const;

    // Outline of the window: the non-key pixels of the view image (empty before any view image loaded).
    const QRegion& windowShape() const { return m_shape; }
    // Size of the view image, or 800 x 600 when there is none.
    QSize viewSize() const;

    // The screen's own extra values, e.g. the rectangles where the main window puts real widgets:
    // [Layout] <prefix>Left/Top/Right/Bottom. A null rectangle when any of the four keys is missing.
    QRect layoutRect(const std::string& prefix) const;
    const IniFile& ini() const { return m_ini; }

    // Paints the view, then buttons 0..49 in their current frames.
    void paint(QPainter& painter);
    // Renders the screen into a new image of viewSize(), key-coloured parts left transparent.
    QImage render();

    // Pointer events in client coordinates. hover asks every element and returns the indexes that reacted;
    // press and release return the first element in array order that reacted, or -1. press applies the radio
    // rule to two-state elements.
    std::vector<int> hover(const QPoint& p);
    int press(const QPoint& p);
    int release(const QPoint& p);

private:
    void applyRadioRule(int pressed);

    IniFile m_ini;
    SkinElement m_view;
    std::array<SkinElement, kButtons> m_buttons;
    QRegion m_shape;
};

} // namespace vt
