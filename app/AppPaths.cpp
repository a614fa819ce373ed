#include "app/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString withSlash(QString p) {
    if (!p.endsWith('/')) p += '/';
    return p;
}
} // namespace

namespace AppPaths {

QString baseFolder() {
    const QString env = qEnvironmentVariable("VERBATROVE_BASE");
    if (!env.isEmpty()) return withSlash(env);
    QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (docs.isEmpty()) docs = QDir::homePath() + "/Documents";
    return withSlash(docs) + "kelpsoft/verbatrove/";
}

QString programFolder() {
    const QString env = qEnvironmentVariable("VERBATROVE_DATA");
    if (!env.isEmpty()) return withSlash(env);
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QStringList candidates = {
        exeDir + "/../share/verbatrove",
#ifdef VT_BUILD_SHARE
        QStringLiteral(VT_BUILD_SHARE),
#endif
#ifdef VT_SOURCE_RES
        QStringLiteral(VT_SOURCE_RES),
#endif
    };
    for (const QString& c : candidates)
        if (QFileInfo(c + "/skin").isDir()) return withSlash(QDir(c).absolutePath());
    return withSlash(exeDir);
}

QString toolPath(const QString& name) {
    const QString exeDir = QCoreApplication::applicationDirPath();
    for (const QString& c : {exeDir + "/" + name, exeDir + "/../cli/speech/" + name, exeDir + "/../bin/" + name})
        if (QFileInfo(c).isExecutable()) return QFileInfo(c).absoluteFilePath();
    return name;
}

} // namespace AppPaths
