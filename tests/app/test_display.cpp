// The study screens' text layer, the progress bar, the help text and the statistics panel, checked on the
// pixels of a painted image; the panel figures taken from a real engine; the speech library builder running the
// real verbatrove-speech.
#include "app/DisplayStyle.h"
#include "app/SpeechLibraryBuilder.h"
#include "app/StudyPanelPainter.h"
#include "app/WordDetailPainter.h"
#include "base/Gbk.h"
#include "base/Paths.h"
#include "study/CWordStudy.h"
#include "tests/study/StudyFixture.h"
#include "tests/support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <set>

namespace {

const QColor kBackground(30, 50, 80);

QImage canvas(const QColor& bg = kBackground) {
    QImage img(800, 600, QImage::Format_RGB32);
    img.fill(bg);
    return img;
}

// Pixels of rect (clipped to the image) for which pred holds.
int countIn(const QImage& img, const QRect& rect, const std::function<bool(QRgb)>& pred) {
    const QRect r = rect.intersected(img.rect());
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += pred(img.pixel(x, y)) ? 1 : 0;
    return n;
}

int countOutside(const QImage& img, const QRect& inside, const std::function<bool(QRgb)>& pred) {
    return countIn(img, img.rect(), pred) - countIn(img, inside, pred);
}

std::function<bool(QRgb)> exactly(const QColor& c) {
    return [rgb = c.rgb() & 0xFFFFFF](QRgb p) { return (p & 0xFFFFFF) == rgb; };
}

std::function<bool(QRgb)> differsFrom(const QColor& c) {
    return [rgb = c.rgb() & 0xFFFFFF](QRgb p) { return (p & 0xFFFFFF) != rgb; };
}

bool brightText(QRgb p) {
    return qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) > 200;
}

bool darkText(QRgb p) {
    return qRed(p) < 100 && qGreen(p) < 100 && qBlue(p) < 100;
}

QRect winRect(int l, int t, int r, int b) {
    return QRect(QPoint(l, t), QPoint(r - 1, b - 1));
}

vt::QuestionRecord wordOnly(const char* word, int level) {
    vt::QuestionRecord q;
    q.word = word;
    q.level = level;
    return q;
}

} // namespace

class TestDisplay : public QObject {
    Q_OBJECT
    DisplayStyle* m_style = nullptr;

    QImage paintQuestion(int mode, const vt::QuestionRecord& q, DisplayFlags flags = {},
                         const QColor& bg = kBackground) {
        QImage img = canvas(bg);
        QPainter p(&img);
        WordDetailPainter(*m_style).paint(p, mode, q, flags);
        return img;
    }

private slots:
    void initTestCase() {
        DisplayStyle::installFontSubstitutions();
        m_style = new DisplayStyle;
    }
    void cleanupTestCase() { delete m_style; }

    void wordInLevelColour_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<QColor>("color");
        QTest::newRow("level 0 white") << 0 << QColor(255, 255, 255);
        QTest::newRow("level 6 green") << 6 << QColor(15, 255, 15);
        QTest::newRow("level 7 stress yellow") << 7 << QColor(255, 255, 0);
    }
    void wordInLevelColour() {
        QFETCH(int, level);
        QFETCH(QColor, color);
        for (int mode : {1, 3, 4, 5}) {
            const QImage img = paintQuestion(mode, wordOnly("abandon", level));
            const QRect wordRect = winRect(190, 175, 600, 220);
            QVERIFY2(countIn(img, wordRect, exactly(color)) > 100, qPrintable(QString("mode %1").arg(mode)));
            QCOMPARE(countOutside(img, wordRect, exactly(color)), 0);
        }
        // Capitals when "daxie" is on: the same word is wider.
        DisplayFlags caps;
        caps.daxie = true;
        const QImage upper = paintQuestion(1, wordOnly("abandon", level), caps);
        QVERIFY(countIn(upper, winRect(190, 175, 600, 220), exactly(color)) >
                countIn(paintQuestion(1, wordOnly("abandon", level)), winRect(190, 175, 600, 220), exactly(color)));
    }

    void hintLineOnlyWhenHintGiven() {
        vt::QuestionRecord q = wordOnly("cat", 1);
        q.meaning = vt::gbk("n. 猫");
        const QRect hintBand = winRect(190, 250, 600, 270); // below the meaning line's glyphs
        QCOMPARE(countIn(paintQuestion(1, q), hintBand, brightText), 0);
        q.hint = vt::gbk("c＋at");
        QVERIFY(countIn(paintQuestion(1, q), hintBand, brightText) > 20);
        // The hint line stays in its rectangle and does not reach the notes block.
        QCOMPARE(countIn(paintQuestion(1, q), winRect(150, 275, 620, 420), brightText), 0);
    }

    void notesComposition_data() {
        QTest::addColumn<QStringList>("fields"); // example, inflections, english, test points, usage
        QTest::addColumn<QString>("notes");
        QTest::newRow("only a meaning") << QStringList{"", "", "", "", ""} << "";
        QTest::newRow("example only") << QStringList{"He ran.", "", "", "", ""} << "[例句] He ran.";
        QTest::newRow("inflections without example") << QStringList{"", "ran, run", "", "", ""} << "\n[变化] ran, run";
        QTest::newRow("all five") << QStringList{"e", "i", "d", "t", "u"}
                                  << "[例句] e\n[变化] i\n[英释] d\n[考点] t\n[辨析] u";
        QTest::newRow("gaps") << QStringList{"", "", "to move fast", "", "比较"}
                              << "\n[英释] to move fast\n[辨析] 比较";
    }
    void notesComposition() {
        QFETCH(QStringList, fields);
        QFETCH(QString, notes);
        vt::QuestionRecord q;
        std::string* targets[] = {&q.example, &q.inflections, &q.english, &q.testPoints, &q.usage};
        for (int i = 0; i < 5; ++i)
            *targets[i] = vt::gbk(fields[i].toStdString());
        QCOMPARE(WordDetailPainter::notesText(q), notes);
    }

    void notesStayInTheModesBlock() {
        vt::QuestionRecord q;
        q.example =
            vt::gbk(std::string(40, 'x') + " 他把车丢弃在雪地里了。他把车丢弃在雪地里了。他把车丢弃在雪地里了。");
        q.inflections = "abandoned, abandoning";
        q.usage = vt::gbk("abandon 与 desert 的区别很多很多很多很多很多很多很多很多很多很多很多很多很多很多很多");
        for (int mode : {1, 3, 4, 5}) {
            const QImage img = paintQuestion(mode, q, {}, QColor(240, 240, 240));
            const QRect block = WordDetailPainter::notesRect(mode);
            QVERIFY(countIn(img, block, darkText) > 200);
            // The option labels are black too; leave their row out.
            QCOMPARE(countOutside(img, block.united(winRect(150, 130, 490, 165)), darkText), 0);
        }
        QCOMPARE(WordDetailPainter::notesRect(3), winRect(150, 285, 615, 410));
        QCOMPARE(WordDetailPainter::notesRect(5), winRect(160, 300, 615, 410));
    }

    void choicesOnlyInChoiceModes() {
        vt::QuestionRecord q;
        q.choices[0] = vt::gbk("n. 能力；才能");
        q.choices[1] = vt::gbk("v. 放弃；抛弃");
        q.choices[2] = vt::gbk("adj. 丰富的");
        q.choices[3] = vt::gbk("*很不熟悉,直接看答案*");
        const QColor bg(240, 240, 240);
        const QImage empty = paintQuestion(1, {}, {}, bg);
        for (int mode : {1, 3, 4, 5}) {
            const QImage img = paintQuestion(mode, q, {}, bg);
            const bool choices = mode == 1 || mode == 4;
            QRegion drawn;
            for (int i = 0; i < 4; ++i) {
                const QRect r = WordDetailPainter::choiceRect(i);
                const int dark = countIn(img, r, darkText);
                QVERIFY2(choices ? dark > 30 : dark == 0, qPrintable(QString("mode %1 choice %2").arg(mode).arg(i)));
                drawn += r.adjusted(0, -1, 0, 1); // the glyphs' antialiased fringe may touch the next row
            }
            // Nothing of the choices outside their rectangles: compare the item column with an empty question.
            const QRect column = winRect(140, 280, 365, 420);
            int outside = 0;
            for (int y = column.top(); y <= column.bottom(); ++y)
                for (int x = column.left(); x <= column.right(); ++x)
                    if (!drawn.contains(QPoint(x, y)) && img.pixel(x, y) != empty.pixel(x, y))
                        ++outside;
            QCOMPARE(outside, 0);
        }
        QCOMPARE(WordDetailPainter::choiceRect(3), winRect(175, 387, 350, 409));
    }

    void selectionAndAnswerAreMarked() {
        vt::QuestionRecord q;
        for (int i = 0; i < 4; ++i)
            q.choices[i] = vt::gbk("选项");
        q.method = vt::MethodChooseMeaning;
        q.rightOption = 3;
        const QColor bg(250, 250, 250);
        const QImage none = paintQuestion(4, q, {}, bg);
        q.selected = 2;
        const QImage selected = paintQuestion(4, q, {}, bg);
        const QRect itemB = WordDetailPainter::choiceRect(1).adjusted(-6, -6, 6, 6);
        int changed = 0, changedOutside = 0;
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x)
                if (none.pixel(x, y) != selected.pixel(x, y))
                    (itemB.contains(x, y) ? changed : changedOutside)++;
        QVERIFY(changed > 100);
        QCOMPARE(changedOutside, 0);

        // Wrong answer: the right option turns green, the chosen one red.
        q.phase = vt::PhaseWrong;
        const QImage answered = paintQuestion(4, q, {}, bg);
        auto greenish = [](QRgb p) { return qGreen(p) > qRed(p) + 40 && qGreen(p) > qBlue(p) + 40; };
        auto reddish = [](QRgb p) { return qRed(p) > qGreen(p) + 60 && qRed(p) > qBlue(p) + 60; };
        const QRect itemC = WordDetailPainter::choiceRect(2).adjusted(-6, -6, 6, 6);
        QVERIFY(countIn(answered, itemC, greenish) > 50);
        QVERIFY(countIn(answered, itemB, reddish) > 50);
        QCOMPARE(countOutside(answered, itemB.united(itemC), greenish), 0);
        QCOMPARE(countOutside(answered, itemB.united(itemC), reddish), 0);
    }

    void phoneticStartsAfterTheWord() {
        vt::QuestionRecord q = wordOnly("abandon", 6);
        q.phonetic = "6/b5nd6n";
        const int expected = 190 + QFontMetrics(m_style->font(1)).horizontalAdvance("abandon") + 20;
        auto leftmost = [](const QImage& img) {
            for (int x = 0; x < 800; ++x)
                for (int y = 176; y < 216; ++y)
                    if ((img.pixel(x, y) & 0xFFFFFF) != (kBackground.rgb() & 0xFFFFFF))
                        return x;
            return -1;
        };
        DisplayFlags hidden;
        hidden.danci = false;
        const QImage img = paintQuestion(1, q, hidden);
        const int x = leftmost(img);
        QVERIFY2(x >= expected - 1 && x <= expected + 6, qPrintable(QString("%1 vs %2").arg(x).arg(expected)));
        // Phonetic drawn as IPA in the word's colour, and not drawn at all with "yinbiao" off.
        QVERIFY(countIn(img, QRect(expected, 176, 600 - expected, 40), exactly(QColor(15, 255, 15))) > 30);
        hidden.yinbiao = false;
        QCOMPARE(leftmost(paintQuestion(1, q, hidden)), -1);
        QCOMPARE(DisplayStyle::ipa("6/b5nd6n"), QStringLiteral("əˈbændən"));
    }

    void typedLettersFillTheBlanks() {
        vt::QuestionRecord q = wordOnly("ab___on", 2);
        q.method = vt::MethodFillLetter;
        const QColor typedColor = DisplayStyle::paletteColor(DisplayStyle::kOrange);
        QCOMPARE(countIn(paintQuestion(5, q), winRect(190, 175, 600, 220), exactly(typedColor)), 0);
        q.typed = "and";
        QVERIFY(countIn(paintQuestion(5, q), winRect(190, 175, 600, 220), exactly(typedColor)) > 30);
        q.phase = vt::PhaseWrong; // after judging the typed text is no longer shown
        QCOMPARE(countIn(paintQuestion(5, q), winRect(190, 175, 600, 220), exactly(typedColor)), 0);
    }

    void labelsInTheModesRow() {
        for (int mode : {1, 3, 4, 5}) {
            const QImage img = paintQuestion(mode, {}, {}, QColor(240, 240, 240));
            const int top = mode == 1 ? 138 : 140;
            const QRect row = winRect(160, top, 485, 160);
            QVERIFY(countIn(img, row, darkText) > 100);
            QCOMPARE(countOutside(img, row, darkText), 0);
        }
        QCOMPARE(countIn(paintQuestion(0, wordOnly("x", 0)), QRect(0, 0, 800, 600), differsFrom(kBackground)), 0);
    }

    void extendedRemainder_data() {
        QTest::addColumn<QString>("extended");
        QTest::addColumn<QString>("remainder");
        QTest::newRow("none") << ""
                              << "";
        QTest::newRow("no line break") << "共找到 0 句"
                                       << "";
        QTest::newRow("nothing after it") << "共找到 0 句\r\n"
                                          << "";
        QTest::newRow("sentences") << "共找到 2 句\r\nA cat.\r\nThe cat sat.\r\n"
                                   << "A cat.\nThe cat sat.\n";
    }
    void extendedRemainder() {
        QFETCH(QString, extended);
        QFETCH(QString, remainder);
        vt::QuestionRecord q;
        q.extended = vt::gbk(extended.toStdString());
        QCOMPARE(WordDetailPainter::extendedRemainder(q), remainder);
    }

    void progressBarPixels_data() {
        QTest::addColumn<double>("fraction");
        QTest::addColumn<int>("yellow");
        QTest::newRow("empty") << 0.0 << 0;
        QTest::newRow("half") << 0.5 << 247;
        QTest::newRow("full") << 1.0 << 495;
        QTest::newRow("beyond") << 3.0 << 495;
    }
    void progressBarPixels() {
        QFETCH(double, fraction);
        QFETCH(int, yellow);
        QImage img = canvas();
        {
            QPainter p(&img);
            WordDetailPainter::paintProgressBar(p, fraction);
        }
        const QColor blue(193, 225, 246), done(255, 216, 0);
        for (int y = 159; y <= 161; ++y)
            for (int x = 132; x < 132 + 495; ++x)
                QCOMPARE(QColor(img.pixel(x, y)), x < 132 + yellow ? done : blue);
        QCOMPARE(countOutside(img, QRect(132, 159, 495, 3), differsFrom(kBackground)), 0);
    }

    void helpTextWrappedInItsRectangle() {
        QImage img = canvas();
        {
            QPainter p(&img);
            WordDetailPainter(*m_style).paintHelpText(
                p, QString::fromUtf8(
                       "无忧记忆：系统根据你的记忆情况自动挑选单元和单词，你只要跟着一个一个学下去，答对的词"
                       "慢慢记牢，答错的词会更常出现。再多说几句，让它一定超过三行，看看最后一行是否被省略掉。"
                       "这里还有更多的文字，一直写下去，写到放不下为止。"));
        }
        const QRect rect = winRect(60, 500, 740, 580);
        QVERIFY(countIn(img, rect, brightText) > 500);
        QCOMPARE(countOutside(img, rect, differsFrom(kBackground)), 0);
        // Three lines of text: bright pixels near the top and near the bottom of the rectangle.
        QVERIFY(countIn(img, QRect(60, 500, 680, 20), brightText) > 50);
        QVERIFY(countIn(img, QRect(60, 556, 680, 24), brightText) > 50);
    }

    void panelGauges_data() {
        QTest::addColumn<int>("gauge");
        QTest::addColumn<int>("value"); // vocabulary, difficulty, level, or right answers out of 4 tries
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("text");
        QTest::newRow("vocabulary half") << 0 << 10000 << 21 << "10000";
        QTest::newRow("vocabulary beyond") << 0 << 50000 << 43 << "50000";
        QTest::newRow("difficulty 10") << 1 << 10 << 21 << "10";
        QTest::newRow("level 3") << 2 << 3 << 21 << "3";
        QTest::newRow("level 6 mastered") << 2 << 6 << 43 << "√";
        QTest::newRow("level 7 stress capped") << 2 << 7 << 43 << "!";
        QTest::newRow("accuracy 3 of 4") << 3 << 3 << 31 << "73%";
        QTest::newRow("accuracy no tries") << 3 << 0 << 0 << "0%";
    }
    void panelGauges() {
        QFETCH(int, gauge);
        QFETCH(int, value);
        QFETCH(int, length);
        QFETCH(QString, text);
        PanelFigures f;
        f.vocabulary = gauge == 0 ? value : 0;
        f.difficulty = gauge == 1 ? value : 0;
        f.wordLevel = gauge == 2 ? value : 0;
        f.wordRight = gauge == 3 ? value : 0;
        f.wordTests = gauge == 3 && value ? 4 : 0;
        QCOMPARE(StudyPanelPainter::gaugeText(gauge, f), text);
        QImage img = canvas(Qt::white);
        {
            QPainter p(&img);
            StudyPanelPainter(*m_style).paint(p, f);
        }
        const QColor bar(255, 160, 0);
        const int boxTop = 464 + 25 * gauge + 17;
        for (int y = boxTop + 1; y <= boxTop + 5; ++y)
            QCOMPARE(countIn(img, QRect(22, y, 46, 1), exactly(bar)), length);
        QCOMPARE(countIn(img, QRect(0, 0, 800, 600), exactly(bar)), 5 * length);
        // The frame: 45 x 7 pixels starting at x = 22.
        const QColor frame(35, 115, 176);
        QCOMPARE(QColor(img.pixel(22, boxTop)), frame);
        QCOMPARE(QColor(img.pixel(66, boxTop + 6)), frame);
        QCOMPARE(QColor(img.pixel(67, boxTop + 3)), QColor(Qt::white));
    }

    void miniChartBars() {
        PanelFigures f;
        f.setSize = 10;
        f.values = {10, 5, 0, 0, 0, 0, 0, 0, 0, 40}; // bar 9 beyond N is capped at N
        QImage img = canvas(QColor(90, 90, 90));
        {
            QPainter p(&img);
            StudyPanelPainter(*m_style).paint(p, f);
        }
        const double step = 70 / 10.00001;
        auto height = [&](int bar) {
            const int x = static_cast<int>(25 + (bar + 0.5) * step);
            int h = 0;
            for (int y = 399; y >= 360 && QColor(img.pixel(x, y)) == DisplayStyle::paletteColor(bar); --y)
                ++h;
            return h;
        };
        QCOMPARE(height(0), 29); // 30 pixels, the top one is the bar's outline
        QCOMPARE(height(1), 14);
        QCOMPARE(height(2), 0);
        QCOMPARE(height(9), 29);
        f.setSize = 0; // an empty set: every bar sits on the axis
        QImage flat = canvas(QColor(90, 90, 90));
        {
            QPainter p(&flat);
            StudyPanelPainter(*m_style).paint(p, f);
        }
        QCOMPARE(countIn(flat, QRect(20, 340, 80, 60), differsFrom(QColor(90, 90, 90))), 0);
    }

    void figuresFromTheEngine() {
        using vt::test::Word;
        vt::test::StudyBase b({{"cat", "n. 猫；", "A cat."},
                               {"bake", "v. 烘烤；", "We bake."},
                               {"zebra", "n. 斑马；", "A zebra."},
                               {"kite", "n. 风筝；", "A kite."}});
        vt::CWordStudy study(b.profile(), b.base(), 7);
        QVERIFY(study.loadWordSets().ok());
        study.book().entry(1).setLevel(6); // mastered: set aside
        study.book().entry(2).setLevel(7); // stress
        study.book().entry(2).setTests(3);
        study.book().entry(2).setRight(1);
        study.book().entry(3).setLevel(4);
        study.generalLibrary().entry(1).setLevel(5);  // able
        study.generalLibrary().entry(2).setLevel(6);  // bat
        study.generalLibrary().entry(11).setLevel(4); // station
        study.generalLibrary().entry(12).setLevel(4); // zebra: known in both, counted once
        QCOMPARE(study.enterMode(vt::ModeEasyChoice), vt::NextResult::Shown);
        study.nextWordRequest();
        study.nextWordRequest();
        study.previousWord();
        study.previousWord();

        const PanelFigures f = StudyPanelPainter::figures(study);
        QCOMPARE(f.setSize, 3);
        QCOMPARE(f.values[0], 1);
        QCOMPARE(f.values[4], 1);
        QCOMPARE(f.values[6], 1);
        QCOMPARE(f.values[7], 1);
        QCOMPARE(f.values[8], 1);
        const std::vector<int>& h = study.visitHistory();
        QCOMPARE(f.studied, static_cast<int>(std::set<int>(h.begin(), h.end()).size()));
        QCOMPARE(f.values[9], f.studied);
        QVERIFY(f.studied >= 1 && f.studied <= 3);
        QCOMPARE(f.vocabulary, 4 + 1); // four in the general library, "cat" of the book is mastered there only
        QCOMPARE(f.difficulty, 2);     // cat unit 1, bake unit 2, zebra unit 3; kite not in the library
        QCOMPARE(f.wordLevel, study.currentWord().level());
        QCOMPARE(f.associated, StudyPanelPainter::associatedCount(study.currentWord().m_association));

        QCOMPARE(StudyPanelPainter::associatedCount("[W]cat"), 0);
        QCOMPARE(StudyPanelPainter::associatedCount(vt::gbk("[W]cat[W]catch  v. 抓\n[W]kitten  n. 小猫\n")), 2);
    }

    void speechLibraryBuilt() {
#ifndef VT_SPEECH_TOOL
        QSKIP("verbatrove-speech is not built here");
#else
        vt::test::TempDir dir;
        const std::string lib = dir.path() + "tiny.bok";
        QVERIFY(vt::test::writeLibrary(
            lib, "VerbaTroveBok", {{"able", "adj. 能够的；", ""}, {"Bat", "n. 蝙蝠；", ""}, {"cat", "n. 猫；", ""}}));
        const QString base = QString::fromStdString(dir.path()) + "base/";
        SpeechLibraryBuilder builder;
        builder.setProgram(QStringLiteral(VT_SPEECH_TOOL));
        QSignalSpy progress(&builder, &SpeechLibraryBuilder::progress);
        QSignalSpy finished(&builder, &SpeechLibraryBuilder::finished);
        QVERIFY(builder.start({QString::fromStdString(lib)}, base));
        QVERIFY(builder.isRunning());
        QVERIFY(!builder.start({QString::fromStdString(lib)}, base)); // one build at a time
        QVERIFY(finished.wait(60000));
        QVERIFY2(finished.at(0).at(0).toBool(), qPrintable(finished.at(0).at(1).toString()));
        QVERIFY(finished.at(0).at(1).toString().startsWith("done: 3 rendered"));
        QVERIFY(!progress.isEmpty());
        QCOMPARE(progress.last().at(0).toInt(), 3);
        QCOMPARE(progress.last().at(1).toInt(), 3);
        for (const char* f : {"speech/a/able.spw", "speech/B/Bat.spw", "speech/c/cat.spw"})
            QVERIFY2(QFile(base + f).size() > 1000, f);
        QVERIFY(!builder.isRunning());

        // A second run finds them all present; an unreadable library is reported, the others still done.
        finished.clear();
        QVERIFY(builder.start({QString::fromStdString(lib), base + "missing.bok"}, base));
        QVERIFY(finished.wait(60000));
        QVERIFY(!finished.at(0).at(0).toBool());
        const QString summary = finished.at(0).at(1).toString();
        QVERIFY2(summary.contains("0 rendered, 3 already present") && summary.contains("error: cannot load"),
                 qPrintable(summary));
#endif
    }

    void speechBuilderFailuresAndCancel() {
        SpeechLibraryBuilder missing;
        missing.setProgram(QStringLiteral("/nonexistent/verbatrove-speech"));
        QSignalSpy failed(&missing, &SpeechLibraryBuilder::finished);
        QVERIFY(missing.start({"x.bok"}, QDir::tempPath()));
        QVERIFY(failed.count() == 1 || failed.wait(5000));
        QVERIFY(!failed.at(0).at(0).toBool());
        QVERIFY(failed.at(0).at(1).toString().startsWith("cannot start"));
        QVERIFY(!missing.start({}, QDir::tempPath()));

        // Cancel stops a long run and reports it as not done.
        SpeechLibraryBuilder slow;
        slow.setProgram(QStringLiteral("/bin/sleep"));
        QSignalSpy ended(&slow, &SpeechLibraryBuilder::finished);
        QVERIFY(slow.start({"30"}, QDir::tempPath()));
        QTRY_VERIFY(slow.isRunning());
        slow.cancel();
        QVERIFY(ended.wait(5000));
        QVERIFY(!ended.at(0).at(0).toBool());
        QVERIFY(!slow.isRunning());

        int done = 0, total = 0;
        QVERIFY(SpeechLibraryBuilder::parseProgress("120/1000 12% 350 words/s", done, total));
        QCOMPARE(done, 120);
        QCOMPARE(total, 1000);
        QVERIFY(!SpeechLibraryBuilder::parseProgress("done: 3 rendered, 0 already present", done, total));
    }
};

QTEST_MAIN(TestDisplay)
#include "test_display.moc"
