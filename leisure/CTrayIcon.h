#pragma once
// Notification-area icon with the program's system menu: the way back to the main window while a leisure
// display hides it.
#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QString>

class QMenu;
class QSystemTrayIcon;
class QWidget;

class CTrayIcon : public QObject {
    Q_OBJECT
public:
    // Menu command identifiers of the tray menu.
    enum Command {
        kUpShow = 32802,
        kFullScreen = 32803,
        kTitleBar = 32804,
        kNormalMode = 32805,
        kGame = 32791,
        kExit = 32795,
    };
    enum Notification { LeftButtonDown, RightButtonUp, LeftDoubleClick, Other };
    static constexpr int kMaxTooltip = 63;

    explicit CTrayIcon(QObject* parent = nullptr);
    ~CTrayIcon() override;

    bool Create(QWidget* owner, int iconId, const QIcon& icon, const QString& tooltip);
    void Remove();
    bool isAdded() const { return m_added; }
    void SetTooltipText(const QString& text);
    void SetIcon(const QIcon& icon);
    void SetNotificationWnd(QWidget* owner);
    // Handles a mouse notification for icon iconId; 1 when handled, 0 for another icon.
    int OnTrayNotification(int iconId, Notification what);
    QMenu* menu() const { return m_menu; }
    QString tooltip() const;

signals:
    void commandChosen(int command);

private:
    QSystemTrayIcon* m_tray = nullptr;
    QMenu* m_menu = nullptr;
    QPointer<QWidget> m_owner;
    int m_iconId = 0;
    bool m_added = false;
};
