#include "app/DisplayStyle.h"

#include "study/Phonetic.h"

#include <QFontDatabase>

namespace {

QFont makeFont(const char* face, int pixels, bool bold = false) {
    QFont f(QString::fromUtf8(face));
    f.setPixelSize(pixels);
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

} // namespace

void DisplayStyle::installFontSubstitutions() {
    const QString sans = QStringLiteral("Noto Sans CJK SC");
    const QString serif = QStringLiteral("Noto Serif CJK SC");
    const QString brush = QStringLiteral("AR PL UKai CN");
    QFont::insertSubstitutions(QStringLiteral("微软雅黑"), {sans, QStringLiteral("Noto Sans CJK JP"), "DejaVu Sans"});
    QFont::insertSubstitutions(QStringLiteral("宋体"), {serif, sans});
    QFont::insertSubstitutions(QStringLiteral("华文行楷"), {brush, QStringLiteral("AR PL UKai TW"), serif});
    QFont::insertSubstitutions(QStringLiteral("隶书"), {brush, QStringLiteral("AR PL UKai TW"), serif});
    // The phonetic faces need IPA glyphs.
    QFont::insertSubstitutions(QStringLiteral("PhoneKK"), {QStringLiteral("DejaVu Sans"), sans});
    QFont::insertSubstitutions(QStringLiteral("pron"), {QStringLiteral("DejaVu Sans"), sans});
}

DisplayStyle::DisplayStyle() {
    m_fonts = {makeFont("pron", 12),   makeFont("微软雅黑", 38, true), makeFont("PhoneKK", 25),
               makeFont("微软雅黑", 25), makeFont("微软雅黑", 20),      makeFont("微软雅黑", 18),
               makeFont("微软雅黑", 17), makeFont("宋体", 12),          makeFont("微软雅黑", 19),
               makeFont("微软雅黑", 30), makeFont("华文行楷", 120),     makeFont("隶书", 25),
               makeFont("微软雅黑", 25)};
}

QColor DisplayStyle::paletteColor(int index) {
    if (index >= 0 && index <= 6) return QColor(255 - 40 * index, 255, 255 - 40 * index);
    switch (index) {
    case kYellow: return QColor(255, 255, 0);
    case kCyan: return QColor(0, 255, 255);
    case kOrange: return QColor(255, 180, 0);
    default: return QColor(255, 255, 255);
    }
}

QString DisplayStyle::ipa(const QByteArray& transcription) {
    return QString::fromStdString(vt::phoneticToIpa(transcription.toStdString()));
}
