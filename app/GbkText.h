#pragma once
// The window's one crossing between the engine's GBK text and Qt's strings.
#include "base/Gbk.h"

#include <QString>
#include <string>

inline QString fromGbk(const std::string& gbkText) {
    return QString::fromStdString(vt::toUtf8(gbkText));
}

inline std::string toGbkText(const QString& text) {
    return vt::toGbk(text.toStdString());
}
