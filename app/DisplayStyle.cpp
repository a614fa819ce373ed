#include "app/DisplayStyle.h"

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

QByteArray DisplayStyle::phoneKK(const QByteArray& transcription) {
    static const char from[] = "/0123456789";
    static const char to[] = "ARZKOLFBNEG";
    QByteArray out = transcription;
    for (char& c : out) {
        for (int i = 0; from[i]; ++i)
            if (c == from[i]) {
                c = to[i];
                break;
            }
    }
    return out;
}

QString DisplayStyle::phoneKKToIpa(const QByteArray& converted) {
    QString out;
    for (char c : converted) {
        switch (c) {
        case 'A': out += QChar(0x02C8); break; // ˈ
        case 'R': out += QChar(0x03B8); break; // θ
        case 'Z': out += QChar(0x00F0); break; // ð
        case 'K': out += QChar(0x0283); break; // ʃ
        case 'O': out += QChar(0x0292); break; // ʒ
        case 'L': out += QChar(0x014B); break; // ŋ
        case 'F': out += QChar(0x00E6); break; // æ
        case 'B': out += QChar(0x0259); break; // ə
        case 'N': out += QChar(0x028C); break; // ʌ
        case 'E': out += QChar(0x0254); break; // ɔ
        case 'G': out += QChar(0x026A); break; // ɪ
        case ':': out += QChar(0x02D0); break; // ː
        case ',': out += QChar(0x02CC); break; // ˌ
        default: out += QLatin1Char(c); break;
        }
    }
    return out;
}
