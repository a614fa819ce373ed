#pragma once
// Collects the view and the buttons of one screen of the default skin and writes its images and its GBK INI
// file.
#include "SkinPainter.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <map>
#include <vector>

namespace vt::skingen {

class ScreenBuilder {
public:
    // iniName: the screen's INI file name (UTF-8); prefix: stem of its own image files; title: shown in comments.
    ScreenBuilder(const QString& iniName, const QString& prefix, const QString& title);

    void setView(const QImage& view);
    // A button whose frames are given; image file stem `file` (empty: prefix + command name). Push buttons have
    // three frames (normal, hover, pressed), two-state ones two (unselected, selected).
    void addPush(const QString& name, const QPoint& at, const std::vector<QImage>& frames, const QString& file = {},
                 bool vertical = false);
    void addTwoState(const QString& name, const QPoint& at, const std::vector<QImage>& frames, int group,
                     const QString& file = {});
    // A rectangle for a real widget, written to [Layout] as <key>Left/Top/Right/Bottom (right, bottom exclusive).
    void addLayout(const QString& key, const QRect& r, const QString& comment);

    const QString& iniName() const { return m_iniName; }
    QStringList commandNames() const;

    // Writes the INI file and the images into the folder. Shared image files are rewritten with the same bytes.
    bool write(const QString& folder, QString* error) const;

private:
    struct Button {
        QString name;
        QString file;
        QRect rect;
        int actions, normal, up, down, group;
        bool vertical;
        QImage strip;
    };
    struct Layout {
        QString key;
        QRect rect;
        QString comment;
    };
    QString fileFor(const QString& name, const QString& file) const;

    QString m_iniName, m_prefix, m_title;
    QImage m_view;
    std::vector<Button> m_buttons;
    std::vector<Layout> m_layout;
};

} // namespace vt::skingen
