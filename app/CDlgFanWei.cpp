#include "app/CDlgFanWei.h"

#include "ui_DlgFanWei.h"

#include <QIntValidator>
#include <QRadioButton>
#include <algorithm>

CDlgFanWei::CDlgFanWei(const RangeValues& values, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CDlgFanWei>()), m_result(values) {
    m_ui->setupUi(this);
    QRadioButton* radios[] = {m_ui->radioErrRatio, m_ui->radioMatch,    m_ui->radioStress,
                              m_ui->radioLevel,    m_ui->radioMastered, m_ui->radioManual};
    int kind = std::clamp(values.kind, 0, 5);
    radios[kind]->setChecked(true);

    const int count = std::max(1, values.count);
    m_ui->sliderErrRatio->setRange(0, 100);
    m_ui->sliderErrRatio->setValue(values.errRatio);
    m_ui->labelErrRatio->setNum(m_ui->sliderErrRatio->value());
    m_ui->sliderLevel->setRange(0, 5);
    m_ui->sliderLevel->setValue(values.level);
    m_ui->labelLevel->setNum(m_ui->sliderLevel->value());
    m_ui->sliderStart->setRange(1, count);
    m_ui->sliderEnd->setRange(1, count);
    m_ui->sliderStart->setValue(values.start);
    m_ui->sliderEnd->setValue(values.end);
    m_ui->editStart->setValidator(new QIntValidator(0, 9999999, this));
    m_ui->editEnd->setValidator(new QIntValidator(0, 9999999, this));
    m_ui->editStart->setText(QString::number(values.start));
    m_ui->editEnd->setText(QString::number(values.end));
    m_ui->editPattern->setText(values.pattern);

    connect(m_ui->sliderErrRatio, &QSlider::valueChanged, m_ui->labelErrRatio, qOverload<int>(&QLabel::setNum));
    connect(m_ui->sliderLevel, &QSlider::valueChanged, m_ui->labelLevel, qOverload<int>(&QLabel::setNum));
    connect(m_ui->sliderStart, &QSlider::sliderMoved, this, &CDlgFanWei::onStartMoved);
    connect(m_ui->sliderEnd, &QSlider::sliderMoved, this, &CDlgFanWei::onEndMoved);
    connect(m_ui->sliderStart, &QSlider::actionTriggered, this,
            [this](int) { onStartMoved(m_ui->sliderStart->sliderPosition()); });
    connect(m_ui->sliderEnd, &QSlider::actionTriggered, this,
            [this](int) { onEndMoved(m_ui->sliderEnd->sliderPosition()); });
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &CDlgFanWei::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &CDlgFanWei::reject);
}

CDlgFanWei::~CDlgFanWei() = default;

void CDlgFanWei::onStartMoved(int value) {
    if (value > m_ui->sliderEnd->value()) m_ui->sliderEnd->setValue(value);
    m_ui->editStart->setText(QString::number(value));
    m_ui->editEnd->setText(QString::number(m_ui->sliderEnd->value()));
}

void CDlgFanWei::onEndMoved(int value) {
    if (value < m_ui->sliderStart->value()) m_ui->sliderStart->setValue(value);
    m_ui->editEnd->setText(QString::number(value));
    m_ui->editStart->setText(QString::number(m_ui->sliderStart->value()));
}

void CDlgFanWei::accept() {
    RangeValues r = m_result;
    const QRadioButton* radios[] = {m_ui->radioErrRatio, m_ui->radioMatch,    m_ui->radioStress,
                                    m_ui->radioLevel,    m_ui->radioMastered, m_ui->radioManual};
    for (int k = 0; k < 6; ++k)
        if (radios[k]->isChecked()) r.kind = k;
    r.errRatio = m_ui->sliderErrRatio->value();
    r.level = m_ui->sliderLevel->value();
    r.start = m_ui->editStart->text().toInt();
    r.end = m_ui->editEnd->text().toInt();
    if (r.count < r.end) r.end = r.count;
    if (r.end < r.start) r.end = r.start;
    r.pattern = m_ui->editPattern->text();
    if (r.kind == 4) r.level = 6;
    m_result = r;
    QDialog::accept();
}
