#include "ScreenBuilder.h"

#include "base/AtomicFile.h"
#include "base/Gbk.h"
#include "base/Paths.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>

namespace vt::skingen {

ScreenBuilder::ScreenBuilder(const QString& iniName, const QString& prefix, const QString& title)
    : m_iniName(iniName), m_prefix(prefix), m_title(title) {}

void ScreenBuilder::setView(const QImage& view) {
    m_view = view;
}

QString ScreenBuilder::fileFor(const QString& name, const QString& file) const {
    if (!file.isEmpty())
        return file + ".png";
    QString slug = name.toLower();
    slug.replace(' ', '_');
    return m_prefix + "_" + slug + ".png";
}

void ScreenBuilder::addPush(const QString& name, const QPoint& at, const std::vector<QImage>& frames,
                            const QString& file, bool vertical) {
    const QSize f = frames.front().size();
    m_buttons.push_back({name, fileFor(name, file), QRect(at, f), static_cast<int>(frames.size()), 0, 1, 2, 0, vertical,
                         SkinPainter::strip(frames, vertical)});
}

void ScreenBuilder::addTwoState(const QString& name, const QPoint& at, const std::vector<QImage>& frames, int group,
                                const QString& file) {
    const QSize f = frames.front().size();
    m_buttons.push_back(
        {name, fileFor(name, file), QRect(at, f), 2, 0, 1, 0, group, false, SkinPainter::strip(frames, false)});
}

void ScreenBuilder::addLayout(const QString& key, const QRect& r, const QString& comment) {
    m_layout.push_back({key, r, comment});
}

QStringList ScreenBuilder::commandNames() const {
    QStringList names;
    for (const Button& b : m_buttons)
        names << b.name;
    return names;
}

namespace {

bool writePng(const QString& path, const QImage& img, QString* error) {
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    if (!img.save(&buf, "PNG")) {
        *error = "cannot encode " + path;
        return false;
    }
    QFile old(path); // unchanged images keep their file, so a regeneration shows only real changes
    if (old.open(QIODevice::ReadOnly) && old.readAll() == bytes)
        return true;
    std::string err;
    if (!writeFileAtomically(vt::fromFsName(path.toStdString()), bytes.toStdString(), &err)) {
        *error = QString::fromStdString(err);
        return false;
    }
    return true;
}

} // namespace

bool ScreenBuilder::write(const QString& folder, QString* error) const {
    if (m_buttons.size() > 50) {
        *error = m_iniName + ": more than 50 buttons";
        return false;
    }
    QDir().mkpath(folder);
    const QString viewFile = m_prefix + "_view.png";
    if (!writePng(folder + "/" + viewFile, m_view, error))
        return false;

    QString ini;
    auto line = [&](const QString& s) { ini += s + "\r\n"; };
    line("; " + m_title + " - default skin of VerbaTrove, drawn by vt-skingen (res/skin/generator).");
    line("; Edit the generator and run the skin-regenerate target instead of editing this file.");
    line("");
    line("[View0]");
    line("image=" + viewFile);
    line("name=View");
    line("left=0");
    line("top=0");
    line(QString("right=%1").arg(m_view.width()));
    line(QString("bottom=%1").arg(m_view.height()));
    line("actions=1");
    line(QString("transparentcolor=%1").arg(kKeyColorRef));
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        const Button& b = m_buttons[i];
        if (!writePng(folder + "/" + b.file, b.strip, error))
            return false;
        line("");
        line(QString("[Button%1]").arg(i));
        line("image=" + b.file);
        line("name=" + b.name);
        line(QString("left=%1").arg(b.rect.left()));
        line(QString("top=%1").arg(b.rect.top()));
        line(QString("right=%1").arg(b.rect.left() + b.rect.width()));
        line(QString("bottom=%1").arg(b.rect.top() + b.rect.height()));
        line(QString("statenormal=%1").arg(b.normal));
        line(QString("stateup=%1").arg(b.up));
        line(QString("statedown=%1").arg(b.down));
        line("stategray=0");
        line(QString("actions=%1").arg(b.actions));
        line(QString("vertical=%1").arg(b.vertical ? 1 : 0));
        line(QString("transparentcolor=%1").arg(kKeyColorRef));
        line(QString("group=%1").arg(b.group));
    }
    if (!m_layout.empty()) {
        line("");
        line("; Rectangles where the main window places real widgets (client pixels; right and bottom exclusive).");
        line("[Layout]");
        for (const Layout& l : m_layout) {
            line("; " + l.comment);
            line(QString("%1Left=%2").arg(l.key).arg(l.rect.left()));
            line(QString("%1Top=%2").arg(l.key).arg(l.rect.top()));
            line(QString("%1Right=%2").arg(l.key).arg(l.rect.left() + l.rect.width()));
            line(QString("%1Bottom=%2").arg(l.key).arg(l.rect.top() + l.rect.height()));
        }
    }
    std::string gbkText;
    std::string err;
    if (!vt::utf8ToGbk(ini.toStdString(), gbkText, &err)) {
        *error = m_iniName + ": " + QString::fromStdString(err);
        return false;
    }
    const std::string path = vt::fromFsName((folder + "/" + m_iniName).toStdString());
    if (!writeFileAtomically(path, gbkText, &err)) {
        *error = QString::fromStdString(err);
        return false;
    }
    return true;
}

} // namespace vt::skingen
