#include "app/FirstStart.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

// Copies every file under from/ into to/ that is not there yet; the copy goes through a temporary name so
// an interrupted start never leaves a half-copied library behind.
void copyMissing(const QString& from, const QString& to, const QString& relBase, FirstStartResult& r) {
    if (!QFileInfo(from).isDir()) return;
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString rel = QDir(from).relativeFilePath(src);
        const QString dst = to + rel;
        if (QFileInfo::exists(dst)) continue;
        if (!QDir().mkpath(QFileInfo(dst).absolutePath())) {
            r.ok = false;
            r.problems << QStringLiteral("无法创建文件夹：") + QFileInfo(dst).absolutePath();
            continue;
        }
        const QString tmp = dst + ".part";
        QFile::remove(tmp);
        if (!QFile::copy(src, tmp) || !QFile::rename(tmp, dst)) {
            QFile::remove(tmp);
            r.ok = false;
            r.problems << QStringLiteral("无法复制文件：") + dst;
            continue;
        }
        QFile::setPermissions(dst, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        r.copied << relBase + rel;
    }
}

} // namespace

FirstStartResult installDefaultData(const QString& programFolder, const QString& baseFolder) {
    FirstStartResult r;
    for (const char* sub : {"", "data", "his", "speech", "pic", "mp3"}) {
        const QString dir = baseFolder + QString::fromLatin1(sub);
        if (!QDir().mkpath(dir)) {
            r.ok = false;
            r.problems << QStringLiteral("无法创建文件夹：") + dir;
        }
    }
    if (!r.ok) return r;
    copyMissing(programFolder + "data/", baseFolder + "data/", "data/", r);
    copyMissing(programFolder + "speech/", baseFolder + "speech/", "speech/", r);
    copyMissing(programFolder + "pic/", baseFolder + "pic/", "pic/", r);
    return r;
}

bool speechFolderEmpty(const QString& baseFolder) {
    QDirIterator it(baseFolder + "speech", {"*.spw"}, QDir::Files, QDirIterator::Subdirectories);
    return !it.hasNext();
}
