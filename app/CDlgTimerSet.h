#pragma once
// Auto-advance interval dialog ("timerAll", 0..36 seconds).
#include <QDialog>
#include <memory>

namespace Ui {
class CDlgTimerSet;
}

class CDlgTimerSet : public QDialog {
    Q_OBJECT
public:
    explicit CDlgTimerSet(int seconds, QWidget* parent = nullptr);
    ~CDlgTimerSet() override;
    int value() const;

private:
    void showValue(int seconds);
    std::unique_ptr<Ui::CDlgTimerSet> m_ui;
};
