#include "app/CSplashWnd.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

const char* const CSplashWnd::kVersionText = "6.2.1 旗舰版";

CSplashWnd::CSplashWnd(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_image(render()) {
    setFixedSize(m_image.size());
    setCursor(Qt::ArrowCursor);
    if (QScreen* s = QGuiApplication::primaryScreen()) move(s->geometry().center() - rect().center());
}

QImage CSplashWnd::render() {
    QImage img(520, 300, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 520, 300);
    g.setColorAt(0, QColor(28, 64, 112));
    g.setColorAt(1, QColor(40, 128, 150));
    p.fillRect(img.rect(), g);
    // Soft hills and a stream: the program's name means "mountain mist by the brook".
    QPainterPath hills;
    hills.moveTo(0, 230);
    hills.cubicTo(120, 150, 220, 250, 330, 190);
    hills.cubicTo(420, 140, 480, 200, 520, 180);
    hills.lineTo(520, 300);
    hills.lineTo(0, 300);
    p.fillPath(hills, QColor(255, 255, 255, 40));
    p.setPen(QColor(255, 255, 255));
    QFont title(QStringLiteral("微软雅黑"));
    title.setPixelSize(64);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(40, 40, 440, 80), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("岚溪词苑"));
    QFont sub(QStringLiteral("微软雅黑"));
    sub.setPixelSize(18);
    p.setFont(sub);
    p.drawText(QRect(44, 118, 400, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("VerbaTrove  英语词汇记忆"));
    QFont ver(QStringLiteral("微软雅黑"));
    ver.setPixelSize(20);
    ver.setBold(true);
    p.setFont(ver);
    p.drawText(QPoint(375, 145 + QFontMetrics(ver).ascent()), QString::fromUtf8(kVersionText));
    return img;
}

QIcon CSplashWnd::appIcon() {
    QImage img(64, 64, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(40, 110, 160));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 14, 14);
    QFont f(QStringLiteral("微软雅黑"));
    f.setPixelSize(40);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(img.rect(), Qt::AlignCenter, QStringLiteral("岚"));
    return QIcon(QPixmap::fromImage(img));
}

void CSplashWnd::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, m_image);
}

void CSplashWnd::mousePressEvent(QMouseEvent*) { hide(); }
void CSplashWnd::keyPressEvent(QKeyEvent*) { hide(); }
