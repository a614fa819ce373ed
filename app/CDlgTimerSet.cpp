#include "app/CDlgTimerSet.h"

#include "ui_DlgTimerSet.h"

CDlgTimerSet::CDlgTimerSet(int seconds, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CDlgTimerSet>()) {
    m_ui->setupUi(this);
    m_ui->sliderTimer->setValue(seconds);
    showValue(m_ui->sliderTimer->value());
    connect(m_ui->sliderTimer, &QSlider::valueChanged, this, &CDlgTimerSet::showValue);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

CDlgTimerSet::~CDlgTimerSet() = default;

int CDlgTimerSet::value() const { return m_ui->sliderTimer->value(); }

void CDlgTimerSet::showValue(int seconds) { m_ui->labelTimer->setText(QString::number(seconds) + QStringLiteral(" 秒")); }
