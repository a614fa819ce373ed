#include "app/CDlgCanshuSet.h"

#include "ui_DlgCanshuSet.h"

CDlgCanshuSet::CDlgCanshuSet(int speed, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CDlgCanshuSet>()) {
    m_ui->setupUi(this);
    m_ui->sliderSpeed->setValue(speed);
    m_ui->labelSpeed->setNum(m_ui->sliderSpeed->value());
    connect(m_ui->sliderSpeed, &QSlider::valueChanged, m_ui->labelSpeed, qOverload<int>(&QLabel::setNum));
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

CDlgCanshuSet::~CDlgCanshuSet() = default;

int CDlgCanshuSet::value() const { return m_ui->sliderSpeed->value(); }
