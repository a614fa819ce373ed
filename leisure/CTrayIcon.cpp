#include "leisure/CTrayIcon.h"

#include <QCursor>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>

CTrayIcon::CTrayIcon(QObject* parent) : QObject(parent) {
    m_menu = new QMenu(QStringLiteral("系统"));
    const struct {
        int id;
        const char* text;
    } items[] = {{kUpShow, "置顶显示"}, {kFullScreen, "全屏动画"}, {kTitleBar, "置标题栏"},
                 {kNormalMode, "正常模式"}, {kGame, "游戏天地"}, {kExit, "退出软件"}};
    for (const auto& item : items) {
        QAction* a = m_menu->addAction(QString::fromUtf8(item.text));
        a->setData(item.id);
        if (item.id == kNormalMode || item.id == kGame) m_menu->addSeparator();
    }
    connect(m_menu, &QMenu::triggered, this, [this](QAction* a) { emit commandChosen(a->data().toInt()); });
}

CTrayIcon::~CTrayIcon() {
    Remove();
    delete m_menu;
}

bool CTrayIcon::Create(QWidget* owner, int iconId, const QIcon& icon, const QString& tooltip) {
    m_owner = owner;
    m_iconId = iconId;
    if (!m_tray) {
        m_tray = new QSystemTrayIcon(this);
        connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
            if (r == QSystemTrayIcon::Trigger) OnTrayNotification(m_iconId, LeftButtonDown);
            else if (r == QSystemTrayIcon::Context) OnTrayNotification(m_iconId, RightButtonUp);
            else if (r == QSystemTrayIcon::DoubleClick) OnTrayNotification(m_iconId, LeftDoubleClick);
        });
    }
    m_tray->setIcon(icon);
    m_tray->setToolTip(tooltip.left(kMaxTooltip));
    m_added = QSystemTrayIcon::isSystemTrayAvailable();
    if (m_added) m_tray->show();
    return m_added;
}

void CTrayIcon::Remove() {
    if (!m_added) return;
    m_tray->hide();
    m_added = false;
}

void CTrayIcon::SetTooltipText(const QString& text) {
    if (m_added) m_tray->setToolTip(text.left(kMaxTooltip));
}

void CTrayIcon::SetIcon(const QIcon& icon) {
    if (m_added) m_tray->setIcon(icon);
}

void CTrayIcon::SetNotificationWnd(QWidget* owner) {
    if (m_added) m_owner = owner;
}

QString CTrayIcon::tooltip() const { return m_tray ? m_tray->toolTip() : QString(); }

int CTrayIcon::OnTrayNotification(int iconId, Notification what) {
    if (iconId != m_iconId) return 0;
    switch (what) {
    case LeftButtonDown:
    case RightButtonUp:
        if (m_owner) m_owner->activateWindow();
        m_menu->popup(QCursor::pos());
        break;
    case LeftDoubleClick:
        if (m_owner) {
            m_owner->showNormal();
            m_owner->raise();
            m_owner->activateWindow();
        }
        break;
    case Other:
        break;
    }
    return 1;
}
