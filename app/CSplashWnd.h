#pragma once
// Start-up splash: the program's picture with the version text, shown while libraries, skin and voices load;
// any key or mouse press dismisses it early.
#include <QImage>
#include <QWidget>

class CSplashWnd : public QWidget {
    Q_OBJECT
public:
    static const char* const kVersionText;
    explicit CSplashWnd(QWidget* parent = nullptr);
    // The splash picture with the version text drawn on it (what the window shows).
    static QImage render();
    // The program icon, drawn once.
    static QIcon appIcon();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    QImage m_image;
};
