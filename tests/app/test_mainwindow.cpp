// The main window driven as a learner would: clicks on skin buttons, keys, the timer, and what ends up in the
// engine's records and on disk.
#include "app/BookChoicePanel.h"
#include "app/CStudyDeckDlg.h"
#include "app/DisplayStyle.h"
#include "audio/RecordingPcmOutput.h"
#include "base/Gbk.h"
#include "study/CWordStudy.h"
#include "tests/support/TempDir.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// One program run on a fresh base folder (created by the program itself) and its own profile.
struct Run {
    vt::test::TempDir tmp;
    QString base;
    QString profile;
    QStringList messages;
    QList<QUrl> urls;
    int rangeDialogs = 0;
    bool speechOffered = false;
    std::unique_ptr<CStudyDeckDlg> dlg;

    explicit Run(const QByteArray& profileText = {}, const QString& dataFolder = VT_BUILD_SHARE) {
        base = QString::fromStdString(tmp.path()) + "learner/base/";
        profile = QString::fromStdString(tmp.path()) + "profile.ini";
        if (!profileText.isEmpty()) {
            QFile f(profile);
            f.open(QIODevice::WriteOnly);
            f.write(profileText);
        }
        qputenv("VERBATROVE_BASE", base.toUtf8());
        qputenv("VERBATROVE_PROFILE", profile.toUtf8());
        qputenv("VERBATROVE_DATA", dataFolder.toUtf8());
        dlg = std::make_unique<CStudyDeckDlg>(std::make_unique<vt::RecordingPcmOutput>());
        auto& h = dlg->hooks();
        h.message = [this](const QString& text) { messages << text; };
        h.openUrl = [this](const QUrl& url) { urls << url; };
        h.offerSpeechBuild = [this](std::function<void()>) { speechOffered = true; };
        h.rangeDialog = [this](RangeValues&) {
            ++rangeDialogs;
            return false;
        };
        dlg->start();
    }
    CStudyDeckDlg& w() { return *dlg; }
    vt::CWordStudy& study() { return dlg->study(); }
    const vt::QuestionRecord& q() { return dlg->study().question(); }

    void click(const std::string& button) {
        const QPoint at = dlg->buttonCenter(button);
        QVERIFY2(!at.isNull(), button.c_str());
        QTest::mouseClick(dlg.get(), Qt::LeftButton, Qt::NoModifier, at);
    }
    bool selected(const std::string& button) {
        const int i = dlg->skin().indexOf(button);
        return i >= 0 && dlg->skin().button(i).isSelected();
    }
    // Memory counters of the word on screen as the library keeps them (what the history file saves).
    std::pair<int, int> record() {
        const vt::CWordStruct& e = study().source().entry(study().currentEntryNumber());
        return {e.tests(), e.right()};
    }
};

int countColour(const QImage& img, const QRect& r, QColor c) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += QColor(img.pixel(x, y)).rgb() == c.rgb() ? 1 : 0;
    return n;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void startupCreatesBaseFolderAndInstallsData() {
        Run run;
        QCOMPARE(run.w().mode(), 0);
        QVERIFY(QFileInfo(run.base + "data/vtgeneral.ree").isFile());
        QVERIFY(QFileInfo(run.base + "data/cg.ree").isFile());
        QVERIFY(QFileInfo(run.base + QString::fromUtf8("data/其它/英语精选1000词.bte")).isFile());
        for (const char* sub : {"his", "speech", "pic", "mp3"})
            QVERIFY2(QFileInfo(run.base + sub).isDir(), sub);
        // A fresh learner studies the default book straight away.
        QVERIFY(run.study().book().count() > 0);
        QCOMPARE(QString::fromStdString(vt::toUtf8(run.study().settings().filebookname)),
                 QString::fromUtf8("英语精选1000词.bte"));
        QVERIFY(run.w().helpTexts().loadedCount() >= 14);
        QVERIFY(run.w().windowTitle() == QString::fromUtf8("岚溪词苑"));
        QVERIFY(!run.w().mask().isEmpty());
        QVERIFY(run.messages.isEmpty());
        QCoreApplication::processEvents();
        QVERIFY(run.speechOffered); // no recordings yet
    }

    void profileNamingMissingBookFallsBackToDefault() {
        Run run("[Study]\nusername=kelp\n[kelp]\nbookclass=nowhere\nfilebookname=gone.bte\n");
        {
            // While a message box is up the speech offer waits: shown over it, it could not be clicked.
            QDialog box;
            box.setModal(true);
            box.show();
            QCoreApplication::processEvents();
            QVERIFY(!run.speechOffered);
        }
        QVERIFY(run.study().book().count() > 0);
        QCOMPARE(run.messages.size(), 1);
        QVERIFY(run.messages[0].contains("gone.bte"));
        QTRY_VERIFY(run.speechOffered);
    }

    void damagedSkinIsReportedOncePerScreen() {
        // A program folder whose skin lacks two images (and which has no help texts).
        vt::test::TempDir tmp;
        const QString data = QString::fromStdString(tmp.path());
        QVERIFY(QDir().mkpath(data + "skin/default"));
        QVERIFY(QFile::link(QStringLiteral(VT_BUILD_SHARE "/data"), data + "data"));
        const QDir skin(QStringLiteral(VT_BUILD_SHARE "/skin/default"));
        for (const QString& f : skin.entryList(QDir::Files))
            if (f != "main_view.png" && f != "common_back.png")
                QVERIFY(QFile::copy(skin.filePath(f), data + "skin/default/" + f));
        Run run({}, data);
        QCoreApplication::processEvents();
        QCOMPARE(run.messages.size(), 1);
        QVERIFY(run.messages[0].contains("main_view.png"));
        run.click("Carefree Memory");
        QCoreApplication::processEvents();
        QCOMPARE(run.w().mode(), 1);
        QVERIFY(run.study().hasWord());
        QCOMPARE(run.messages.size(), 2);
        QVERIFY(run.messages[1].contains("common_back.png"));
        run.w().dispatch("Back"); // what the context menu's item does without the button
        run.click("Carefree Memory");
        QCoreApplication::processEvents();
        QCOMPARE(run.messages.size(), 2);
    }

    void enterEachStudyModeByItsButton_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("typeButton");
        QTest::newRow("carefree") << "Carefree Memory" << 1 << "Choose Meaning";
        QTest::newRow("free scan") << "Free Scan" << 3 << "Think Meaning";
        QTest::newRow("easy choice") << "Easy Choice" << 4 << "Choose Meaning";
        QTest::newRow("fill blanks") << "Fill Blanks" << 5 << "Fill Letter";
    }
    void enterEachStudyModeByItsButton() {
        QFETCH(QString, button);
        QFETCH(int, mode);
        QFETCH(QString, typeButton);
        Run run;
        run.click(button.toStdString());
        QCOMPARE(run.w().mode(), mode);
        QVERIFY(run.study().hasWord());
        QVERIFY(run.selected(typeButton.toStdString()));
        QVERIFY(run.selected("Correlative"));
        QVERIFY(run.selected("Word") && run.selected("Phonetic Symbol") && !run.selected("Capitalization"));
        QVERIFY(!run.selected("Start Timer"));
        QVERIFY(run.w().editField()->isVisible());
        QCOMPARE(run.study().studyKind(), mode == 1 ? 0 : 2);
        run.click("Back");
        QCOMPARE(run.w().mode(), 0);
        QVERIFY(!run.w().editField()->isVisible());
    }

    void answerByItemClickGradesTheWord() {
        for (bool right : {true, false}) {
            Run run;
            run.click("Easy Choice");
            const int rightOption = run.q().rightOption;
            QVERIFY(rightOption >= 1 && rightOption <= 4);
            const int chosen = right ? rightOption : (rightOption % 3) + 1; // a wrong one of A..C
            const auto before = run.record();
            run.click(std::string("Item ") + char('A' + chosen - 1));
            QCOMPARE(int(run.q().phase), right ? int(vt::PhaseRight) : int(vt::PhaseWrong));
            const auto after = run.record();
            QCOMPARE(after.first, before.first + 1);
            QCOMPARE(after.second, before.second + (right ? 1 : 0));
        }
    }

    void answerByArrowKeysAndEnter() {
        Run run;
        run.click("Easy Choice");
        const int rightOption = run.q().rightOption;
        const auto before = run.record();
        for (int i = 0; i < 4 && run.q().selected != rightOption; ++i)
            QTest::keyClick(&run.w(), Qt::Key_Down);
        QCOMPARE(run.q().selected, rightOption);
        QTest::keyClick(&run.w(), Qt::Key_Up);
        QTest::keyClick(&run.w(), Qt::Key_Down);
        QTest::keyClick(&run.w(), Qt::Key_Return);
        QCOMPARE(int(run.q().phase), int(vt::PhaseRight));
        QCOMPARE(run.record().second, before.second + 1);
        // The next Enter moves on to a new question.
        QTest::keyClick(&run.w(), Qt::Key_Return);
        QCOMPARE(int(run.q().phase), int(vt::PhaseAsking));
    }

    void typingInFillBlanks() {
        Run run;
        run.click("Fill Blanks");
        // The hidden letters are where the question shows "_"; a space among them would be the advance key.
        QString hidden;
        for (int tries = 0; tries < 30; ++tries) {
            const QString shown = QString::fromStdString(vt::toUtf8(run.q().word));
            const QString word = QString::fromStdString(vt::toUtf8(run.study().currentWord().m_word));
            hidden.clear();
            for (int i = 0; i < shown.size() && i < word.size(); ++i)
                if (shown[i] == '_')
                    hidden += word[i];
            if (!hidden.isEmpty() && !hidden.contains(' '))
                break;
            run.click("Fill Letter"); // next word
        }
        QVERIFY(!hidden.isEmpty());
        const auto before = run.record();
        QTest::keyClicks(&run.w(), hidden + "x");
        QTest::keyClick(&run.w(), Qt::Key_Backspace);
        QCOMPARE(QString::fromStdString(vt::toUtf8(run.q().typed)), hidden);
        QTest::keyClick(&run.w(), Qt::Key_Space);
        QCOMPARE(int(run.q().phase), int(vt::PhaseRight));
        QCOMPARE(run.record(), std::make_pair(before.first + 1, before.second + 1));

        // A wrong spelling on the next word.
        QTest::keyClick(&run.w(), Qt::Key_Right);
        const auto next = run.record();
        QTest::keyClicks(&run.w(), "qqq");
        QTest::keyClick(&run.w(), Qt::Key_Return);
        QCOMPARE(int(run.q().phase), int(vt::PhaseWrong));
        QCOMPARE(run.record(), std::make_pair(next.first + 1, next.second));
    }

    void keysSuspendedWhileTypingFieldIsUsed() {
        Run run;
        run.click("Easy Choice");
        run.w().editField()->setFocus();
        QTest::keyClick(run.w().editField(), Qt::Key_Return);
        QCOMPARE(int(run.q().phase), int(vt::PhaseAsking));
        // A press inside the reserved square suspends the quiz keys on the window itself.
        run.w().editField()->hide();
        QTest::mousePress(&run.w(), Qt::LeftButton, Qt::NoModifier, QPoint(655, 430));
        QTest::mouseRelease(&run.w(), Qt::LeftButton, Qt::NoModifier, QPoint(655, 430));
        QVERIFY(run.w().keysSuspended());
        QTest::keyClick(&run.w(), Qt::Key_Return);
        QCOMPARE(int(run.q().phase), int(vt::PhaseAsking));
    }

    void autoAdvanceWithIntervalZeroGradesUnansweredWrong() {
        Run run("[Study]\nusername=kelp\n[kelp]\ntimerAll=0\n");
        run.click("Easy Choice");
        const auto before = run.record();
        QCOMPARE(run.q().selected, 0);
        run.w().timerTick(); // stopped, but an interval of 0 advances on every tick
        QCOMPARE(int(run.q().phase), int(vt::PhaseWrong));
        QCOMPARE(run.record(), std::make_pair(before.first + 1, before.second));
    }

    void rangeDialogOkAndCancel() {
        Run run;
        run.click("Free Scan");
        const vt::RangeSpec old = run.study().range();
        int offeredCount = 0;
        run.w().hooks().rangeDialog = [&](RangeValues& v) {
            offeredCount = v.count;
            v.kind = 5;
            v.start = 3;
            v.end = 7;
            return false; // Cancel
        };
        run.click("Range");
        QCOMPARE(offeredCount, run.study().book().count());
        QCOMPARE(run.study().range().kind, old.kind);
        QCOMPARE(run.study().range().end, old.end);

        run.w().hooks().rangeDialog = [&](RangeValues& v) {
            v.kind = 5;
            v.start = 3;
            v.end = 7;
            return true; // OK
        };
        run.click("Range");
        QCOMPARE(run.study().range().kind, 5);
        QCOMPARE(run.study().range().start, 3);
        QCOMPARE(run.study().range().end, 7);
        QCOMPARE(run.study().studyList().size(), 5);
        const int entry = run.study().currentEntryNumber();
        QVERIFY(entry >= 3 && entry <= 7);
    }

    void commandsNotHonouredInTheirModes() {
        Run run;
        run.click("Carefree Memory");
        run.w().dispatch("Range");
        QCOMPARE(run.rangeDialogs, 0);
        run.click("Back");
        run.click("Free Scan");
        const std::string word = run.q().word;
        run.w().dispatch("Item A");
        QCOMPARE(int(run.q().phase), int(vt::PhaseAsking));
        QCOMPARE(run.q().word, word);
        // A type of another mode is not taken either.
        run.w().dispatch("Choose Word");
        QCOMPARE(run.study().method(), 6);
    }

    void releaseOverAnotherButtonFiresThatButton() {
        Run run;
        QTest::mousePress(&run.w(), Qt::LeftButton, Qt::NoModifier, run.w().buttonCenter("Carefree Memory"));
        QTest::mouseRelease(&run.w(), Qt::LeftButton, Qt::NoModifier, run.w().buttonCenter("Free Scan"));
        QCOMPARE(run.w().mode(), 3);
        // Released over no button: nothing fires.
        QTest::mousePress(&run.w(), Qt::LeftButton, Qt::NoModifier, run.w().buttonCenter("Back"));
        QTest::mouseRelease(&run.w(), Qt::LeftButton, Qt::NoModifier, QPoint(400, 590));
        QCOMPARE(run.w().mode(), 3);
    }

    void helpTextFollowsTheHoveredButton() {
        Run run;
        QTest::mouseMove(&run.w(), run.w().buttonCenter("Choose Book"));
        QVERIFY(!run.w().shownHelpText().isEmpty());
        QCOMPARE(run.w().shownHelpText(), run.w().helpTexts().forButton("Choose Book"));
        QTest::mouseMove(&run.w(), run.w().buttonCenter("Close"));
        QCOMPARE(run.w().shownHelpText(), run.w().helpTexts().forButton("Introduction"));
        run.click("Help");
        QCOMPARE(run.urls.value(0), QUrl("https://verbatrove.example.org/help"));
    }

    void wordDrawnInItsLevelColour() {
        Run run;
        run.click("Easy Choice");
        const QRect wordRect(QPoint(190, 175), QPoint(260, 219)); // the start of the word
        for (int level : {3, 7}) {
            run.click(vt::levelName(level));
            QCOMPARE(run.q().level, level);
            QVERIFY(run.selected(vt::levelName(level)));
            const QImage img = run.w().renderFrame();
            QVERIFY2(countColour(img, wordRect, DisplayStyle::levelColor(level)) > 30, vt::levelName(level));
        }
        run.click("Word"); // hide the word
        QVERIFY(!run.study().options().danci);
        QCOMPARE(countColour(run.w().renderFrame(), wordRect, DisplayStyle::levelColor(7)), 0);
    }

    void bookChoiceListsAndLoadsABook() {
        Run run;
        run.click("Choose Book");
        QCOMPARE(run.w().mode(), 2);
        BookChoicePanel* books = run.w().bookPanel();
        QVERIFY(books->leftList()->isVisible());
        QCOMPARE(books->leftList()->currentItem()->text(), QString::fromUtf8("英语精选1000词.bte"));
        QVERIFY(books->rightList()->count() > 0); // preview of the selected book
        run.click("CET4 And CET6");
        QVERIFY(books->leftList()->count() > 0);
        books->leftList()->setCurrentRow(0);
        const std::string chosen = books->selectedFile();
        run.click("Select Book");
        QCOMPARE(run.messages.value(0), QString::fromUtf8("载入成功!"));
        QCOMPARE(run.study().settings().filebookname, chosen);
        QCOMPARE(QString::fromStdString(vt::toUtf8(run.study().settings().bookclass)),
                 QString::fromUtf8("四六级公共英语"));
    }

    void closingWritesProfileAndHistory() {
        Run run;
        run.click("Easy Choice");
        run.click("Item A");
        run.click("Capitalization");
        QSignalSpy closed(&run.w(), &CStudyDeckDlg::closed);
        run.click("Close");
        QCOMPARE(closed.count(), 1);
        QVERIFY(run.messages.isEmpty());
        QFile profile(run.profile);
        QVERIFY(profile.open(QIODevice::ReadOnly));
        const QByteArray text = profile.readAll();
        QVERIFY(text.contains("daxie=1"));
        QVERIFY(text.contains("qsxzmethod=3"));
        QVERIFY(QFileInfo(run.base + QString::fromUtf8("his/kelp英语精选1000词.his")).isFile());
        QVERIFY(QFileInfo(run.base + "his/kelpvtgeneral.his").isFile());
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
