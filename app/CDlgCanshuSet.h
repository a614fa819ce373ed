#pragma once
// Learning-parameter dialog ("speed", 1..5000).
#include <QDialog>
#include <memory>

namespace Ui {
class CDlgCanshuSet;
}

class CDlgCanshuSet : public QDialog {
    Q_OBJECT
public:
    explicit CDlgCanshuSet(int speed, QWidget* parent = nullptr);
    ~CDlgCanshuSet() override;
    int value() const;

private:
    std::unique_ptr<Ui::CDlgCanshuSet> m_ui;
};
