#pragma once
// Word-range dialog: edits the range kind and its parameters; values are handed back only on OK.
#include <QDialog>
#include <QString>
#include <memory>

namespace Ui {
class CDlgFanWei;
}

struct RangeValues {
    int kind = 0;      // 0..5
    int errRatio = 0;  // 0..100
    int level = 0;     // 0..5 (6 for the mastered range)
    QString pattern = QStringLiteral("*");
    int start = 1;
    int end = 1;
    int count = 1; // entries of the current source: upper bound of the manual range
};

class CDlgFanWei : public QDialog {
    Q_OBJECT
public:
    explicit CDlgFanWei(const RangeValues& values, QWidget* parent = nullptr);
    ~CDlgFanWei() override;
    // The values read back from the controls with the OK rules applied (end within count and not
    // below start; the mastered range forces level 6).
    RangeValues result() const { return m_result; }

    void accept() override;

private:
    void onStartMoved(int value);
    void onEndMoved(int value);
    std::unique_ptr<Ui::CDlgFanWei> m_ui;
    RangeValues m_result;
};
