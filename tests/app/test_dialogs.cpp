// Range, learning-parameter and timer dialogs: the values handed back on OK and nothing on Cancel.
#include "app/CDlgCanshuSet.h"
#include "app/CDlgFanWei.h"
#include "app/CDlgTimerSet.h"
#include "leisure/CTrayIcon.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

class TestDialogs : public QObject {
    Q_OBJECT
private:
    static void pressOk(QDialog& d) {
        auto* box = d.findChild<QDialogButtonBox*>("buttonBox");
        QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
    }
    static void pressCancel(QDialog& d) {
        auto* box = d.findChild<QDialogButtonBox*>("buttonBox");
        QTest::mouseClick(box->button(QDialogButtonBox::Cancel), Qt::LeftButton);
    }

private slots:
    void rangeOkRules_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("wantStart");
        QTest::addColumn<int>("wantEnd");
        QTest::newRow("end below start") << "50" << "20" << 100 << 50 << 50;
        QTest::newRow("end beyond count") << "10" << "500" << 120 << 10 << 120;
        QTest::newRow("in range") << "3" << "9" << 100 << 3 << 9;
    }
    void rangeOkRules() {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(int, count);
        QFETCH(int, wantStart);
        QFETCH(int, wantEnd);
        RangeValues v;
        v.kind = 5;
        v.count = count;
        CDlgFanWei d(v);
        d.findChild<QLineEdit*>("editStart")->setText(start);
        d.findChild<QLineEdit*>("editEnd")->setText(end);
        pressOk(d);
        QCOMPARE(d.result().start, wantStart);
        QCOMPARE(d.result().end, wantEnd);
        QCOMPARE(d.result().kind, 5);
    }

    void rangeMasteredForcesLevelSix() {
        RangeValues v;
        v.level = 2;
        v.count = 10;
        CDlgFanWei d(v);
        d.findChild<QRadioButton*>("radioMastered")->setChecked(true);
        pressOk(d);
        QCOMPARE(d.result().kind, 4);
        QCOMPARE(d.result().level, 6);
    }

    void rangeShowsValuesAndCancelKeepsThem() {
        RangeValues v;
        v.kind = 3;
        v.errRatio = 40;
        v.level = 2;
        v.pattern = "ab*";
        v.start = 5;
        v.end = 7;
        v.count = 30;
        CDlgFanWei d(v);
        QVERIFY(d.findChild<QRadioButton*>("radioLevel")->isChecked());
        QCOMPARE(d.findChild<QLabel*>("labelErrRatio")->text(), QString("40"));
        QCOMPARE(d.findChild<QSlider*>("sliderEnd")->maximum(), 30);
        d.findChild<QSlider*>("sliderErrRatio")->setValue(70);
        QCOMPARE(d.findChild<QLabel*>("labelErrRatio")->text(), QString("70"));
        d.findChild<QLineEdit*>("editPattern")->setText("zz");
        pressCancel(d);
        QCOMPARE(d.result().errRatio, 40);
        QCOMPARE(d.result().pattern, QString("ab*"));
    }

    void rangeStartSliderPushesEnd() {
        RangeValues v;
        v.kind = 5;
        v.start = 2;
        v.end = 4;
        v.count = 50;
        CDlgFanWei d(v);
        auto* s = d.findChild<QSlider*>("sliderStart");
        s->setSliderPosition(30); // emits sliderMoved as a drag would
        QCOMPARE(d.findChild<QSlider*>("sliderEnd")->value(), 30);
        QCOMPARE(d.findChild<QLineEdit*>("editEnd")->text(), QString("30"));
        auto* e = d.findChild<QSlider*>("sliderEnd");
        e->setSliderPosition(10);
        QCOMPARE(d.findChild<QSlider*>("sliderStart")->value(), 10);
        pressOk(d);
        QCOMPARE(d.result().start, 10);
        QCOMPARE(d.result().end, 10);
    }

    void parameterAndTimerDialogs() {
        CDlgCanshuSet p(4);
        QCOMPARE(p.windowTitle(), QString("设置学习参数"));
        auto* ps = p.findChild<QSlider*>("sliderSpeed");
        QCOMPARE(ps->minimum(), 1);
        QCOMPARE(ps->maximum(), 5000);
        ps->setValue(5000);
        QCOMPARE(p.findChild<QLabel*>("labelSpeed")->text(), QString("5000"));
        QCOMPARE(p.value(), 5000);

        CDlgTimerSet t(5);
        QCOMPARE(t.windowTitle(), QString("定时设置"));
        QCOMPARE(t.findChild<QLabel*>("labelTimer")->text(), QString("5 秒"));
        t.findChild<QSlider*>("sliderTimer")->setValue(99);
        QCOMPARE(t.value(), 36);
    }

    void trayIgnoresOtherIconsAndListsCommands() {
        CTrayIcon tray;
        QWidget owner;
        tray.Create(&owner, 7, QIcon(), QString(100, QChar('x')));
        QCOMPARE(tray.OnTrayNotification(8, CTrayIcon::LeftDoubleClick), 0);
        QCOMPARE(tray.OnTrayNotification(7, CTrayIcon::Other), 1);
        QVERIFY(tray.tooltip().size() <= CTrayIcon::kMaxTooltip);
        QStringList texts;
        for (QAction* a : tray.menu()->actions())
            if (!a->isSeparator()) texts << a->text();
        QCOMPARE(texts, QStringList({"置顶显示", "全屏动画", "置标题栏", "正常模式", "游戏天地", "退出软件"}));
        QSignalSpy spy(&tray, &CTrayIcon::commandChosen);
        tray.menu()->actions().last()->trigger();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), int(CTrayIcon::kExit));
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
