// Skin files: the INI reader, regions from pixels, the element state rules, and the shipped default skin set.
#include "base/Gbk.h"
#include "skin/IniFile.h"
#include "skin/SkinFiles.h"
#include "skin/SkinImage.h"
#include "skin/SkinSet.h"
#include "tests/support/TempDir.h"

#include <QFile>
#include <QPainter>
#include <QtTest>

#include <set>

using vt::IniFile;
using vt::SkinElement;
using vt::SkinImage;
using vt::SkinSet;

namespace {

constexpr QRgb kKey = 0xFFFF00FF;
constexpr int kKeyRef = 16711935;

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// Runs of a region as "x,y,w,h" strings, row by row, for readable comparisons.
QStringList rectsOf(const QRegion& r) {
    QStringList out;
    for (const QRect& rect : r)
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            out << QString("%1,%2,%3").arg(rect.x()).arg(y).arg(rect.width());
    out.sort();
    return out;
}

// Writes an INI (UTF-8 text, stored as GBK) and returns its path.
QString writeIni(const vt::test::TempDir& dir, const std::string& name, const std::string& utf8) {
    vt::test::writeFile(dir.file(name), vt::gbk(utf8));
    return q(dir.file(name));
}

// A strip of `frames` frames of w x h; frame k filled with colour (k+1)*40 grey, with a key-coloured hole at the
// frame's top-left pixel.
QImage strip(int frames, int w, int h, bool vertical) {
    QImage img(vertical ? w : w * frames, vertical ? h * frames : h, QImage::Format_RGB32);
    for (int k = 0; k < frames; ++k) {
        const QPoint o = vertical ? QPoint(0, k * h) : QPoint(k * w, 0);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                img.setPixel(o + QPoint(x, y), qRgb(40 * (k + 1), 40 * (k + 1), 40));
        img.setPixel(o, kKey);
    }
    return img;
}

std::string section(int i, const std::string& image, int left, int top, int actions, int group = 0,
                    const std::string& extra = "") {
    const bool two = actions == 2;
    return "[Button" + std::to_string(i) + "]\nimage=" + image + "\nname=B" + std::to_string(i) +
           "\nleft=" + std::to_string(left) + "\ntop=" + std::to_string(top) +
           "\nstatenormal=0\nstateup=1\nstatedown=" + (two ? "0" : "2") +
           "\nstategray=3\nactions=" + std::to_string(actions) +
           "\ntransparentcolor=16711935\ngroup=" + std::to_string(group) + "\n" + extra;
}

} // namespace

class SkinTest : public QObject {
    Q_OBJECT

private slots:
    void iniReader_data();
    void iniReader();
    void iniReaderGbkAndLimits();

    void regionByDepth_data();
    void regionByDepth();
    void loadKeepsFileDepth();

    void elementGeometryAndHoles();
    void badElements();

    void stateRules_data();
    void stateRules();

    void skinSetKeepsShapeOnFailure();

    void shippedSkins_data();
    void shippedSkins();
};

// ---- INI reader --------------------------------------------------------------------------------------------------

void SkinTest::iniReader_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected"); // value(..., "DEF"), then intValue(..., 7)
    QTest::addColumn<int>("expectedInt");

    QTest::newRow("case-insensitive") << "[View0]\nImage=a.bmp\n"
                                      << "IMAGE"
                                      << "a.bmp" << 0;
    QTest::newRow("section case") << "[view0]\nleft=12\n"
                                  << "left"
                                  << "12" << 12;
    QTest::newRow("missing key") << "[View0]\nleft=1\n"
                                 << "top"
                                 << "DEF" << 7;
    QTest::newRow("missing section") << "[Button0]\nleft=1\n"
                                     << "left"
                                     << "DEF" << 7;
    QTest::newRow("invalid number") << "[View0]\nleft=abc\n"
                                    << "left"
                                    << "abc" << 0;
    QTest::newRow("number prefix") << "[View0]\nleft=12px\n"
                                   << "left"
                                   << "12px" << 12;
    QTest::newRow("negative") << "[View0]\nleft=-5\n"
                              << "left"
                              << "-5" << -5;
    QTest::newRow("empty value") << "[View0]\nleft=\n"
                                 << "left"
                                 << "" << 7;
    QTest::newRow("blanks and CRLF") << "  [ View0 ]  \r\n  left  =  42  \r\n"
                                     << "left"
                                     << "42" << 42;
    QTest::newRow("quoted") << "[View0]\nname=\"Close \"\n"
                            << "name"
                            << "Close " << 0;
    QTest::newRow("comment") << "[View0]\n;left=3\nleft=4\n"
                             << "left"
                             << "4" << 4;
    QTest::newRow("first key wins") << "[View0]\nleft=1\nLEFT=2\n"
                                    << "left"
                                    << "1" << 1;
    QTest::newRow("first section wins") << "[View0]\nleft=1\n[VIEW0]\nleft=2\ntop=3\n"
                                        << "top"
                                        << "DEF" << 7;
    QTest::newRow("key before any section") << "left=1\n[View0]\n"
                                            << "left"
                                            << "DEF" << 7;
    QTest::newRow("overflow saturates") << "[View0]\nleft=99999999999\n"
                                        << "left"
                                        << "99999999999" << INT_MAX;
    QTest::newRow("value with =") << "[View0]\nname=a=b\n"
                                  << "name"
                                  << "a=b" << 0;
}

void SkinTest::iniReader() {
    QFETCH(QString, text);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QFETCH(int, expectedInt);
    IniFile ini;
    ini.parse(text.toStdString());
    QCOMPARE(q(ini.value("View0", key.toStdString(), "DEF")), expected);
    QCOMPARE(ini.intValue("View0", key.toStdString(), 7), expectedInt);
}

void SkinTest::iniReaderGbkAndLimits() {
    // 0x81 0x41 and 0x81 0x61 are two different GBK characters whose second bytes look like 'A' and 'a'.
    IniFile ini;
    ini.parse("[\x81\x41]\nname=" + vt::gbk("关闭") + "\n[\x81\x61]\nname=other\n");
    QCOMPARE(q(vt::toUtf8(ini.value("\x81\x41", "NAME"))), QString("关闭"));
    QCOMPARE(q(ini.value("\x81\x61", "name")), QString("other"));

    // Values are cut at 1000 bytes, never in the middle of a double-byte character.
    ini.parse("[a]\nascii=" + std::string(1200, 'x') + "\ngbk=" + std::string(999, 'x') + vt::gbk("中") + "\n");
    QCOMPARE(ini.value("a", "ascii").size(), size_t(1000));
    QCOMPARE(ini.value("a", "gbk"), std::string(999, 'x'));

    vt::test::TempDir dir;
    QVERIFY(!ini.load(dir.file("missing.ini")));
    QVERIFY(!ini.hasSection("a")); // a failed load leaves nothing behind
    vt::test::writeFile(dir.file(vt::toUtf8(vt::gbk("主界面.ini"))), "[View0]\nleft=3\n");
    QVERIFY(ini.load(dir.path() + vt::gbk("主界面.ini"))); // GBK path
    QCOMPARE(ini.intValue("view0", "left", 0), 3);
}

// ---- regions -----------------------------------------------------------------------------------------------------

void SkinTest::regionByDepth_data() {
    QTest::addColumn<QImage>("image");
    QTest::addColumn<int>("depth");
    QTest::addColumn<QStringList>("runs");

    // Row 0: K X X K X; row 1: X X X X X; row 2: all K. "Near" is (250, 3, 250): key only in 5-6-5.
    const QRgb x = qRgb(10, 200, 30), near = qRgb(250, 3, 250);
    auto make = [&](QImage::Format f, QRgb row1Third) {
        QImage img(5, 3, QImage::Format_RGB32);
        const QRgb rows[3][5] = {{kKey, x, x, kKey, x}, {x, x, row1Third, x, x}, {kKey, kKey, kKey, kKey, kKey}};
        for (int y = 0; y < 3; ++y)
            for (int i = 0; i < 5; ++i)
                img.setPixel(i, y, rows[y][i]);
        return img.convertToFormat(f);
    };
    const QStringList full = {"0,1,5", "1,0,2", "4,0,1"};
    QTest::newRow("24-bit") << make(QImage::Format_RGB888, near) << 24 << full;
    QTest::newRow("32-bit") << make(QImage::Format_ARGB32, near) << 32 << full;
    QTest::newRow("16-bit compares 5-6-5")
        << make(QImage::Format_RGB16, near) << 16 << QStringList{"0,1,2", "1,0,2", "3,1,2", "4,0,1"};
    // 8 bits: two palette entries hold the key colour; both are transparent.
    QImage indexed(5, 3, QImage::Format_Indexed8);
    indexed.setColorTable({kKey, x, 0xFFFF00FF, near});
    const uchar idx[3][5] = {{0, 1, 1, 2, 1}, {1, 1, 3, 1, 1}, {2, 0, 2, 0, 2}};
    for (int y = 0; y < 3; ++y)
        for (int i = 0; i < 5; ++i)
            indexed.setPixel(i, y, idx[y][i]);
    QTest::newRow("8-bit palette") << indexed << 8 << full;
}

void SkinTest::regionByDepth() {
    QFETCH(QImage, image);
    QFETCH(int, depth);
    QFETCH(QStringList, runs);
    SkinImage img(image);
    QCOMPARE(img.depth(), depth);
    QCOMPARE(rectsOf(img.region(kKeyRef)), runs);
    // A sub-rectangle gives runs relative to its own corner.
    QCOMPARE(rectsOf(img.region(QRect(0, 0, 3, 1), kKeyRef)), QStringList{"1,0,2"});
}

void SkinTest::loadKeepsFileDepth() {
    vt::test::TempDir dir;
    // A 16-bit BMP (5-5-5) written by hand: Qt widens it to 32 bits on load, the header keeps 16.
    // Pixels: key, (30,0,31) which is not the key, key.
    QByteArray bmp;
    auto u16 = [&](int v) { bmp.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
    auto u32 = [&](int v) { u16(v & 0xFFFF), u16((v >> 16) & 0xFFFF); };
    bmp.append("BM");
    u32(14 + 40 + 8), u32(0), u32(14 + 40);
    u32(40), u32(3), u32(1), u16(1), u16(16), u32(0), u32(8), u32(2835), u32(2835), u32(0), u32(0);
    u16(0x7C1F), u16((30 << 10) | 31), u16(0x7C1F), u16(0); // row padded to 4 bytes
    QFile f(q(dir.file("p16.bmp")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bmp);
    f.close();
    SkinImage img16 = SkinImage::load(q(dir.file("p16.bmp")));
    QVERIFY(!img16.isNull());
    QCOMPARE(img16.depth(), 16);
    QCOMPARE(rectsOf(img16.region(kKeyRef)), QStringList{"1,0,1"});

    QImage indexed(4, 1, QImage::Format_Indexed8);
    indexed.setColorTable({kKey, qRgb(1, 2, 3)});
    indexed.fill(1);
    indexed.setPixel(0, 0, 0);
    QVERIFY(indexed.save(q(dir.file("p8.bmp"))));
    QCOMPARE(SkinImage::load(q(dir.file("p8.bmp"))).depth(), 8);
    QImage argb(4, 1, QImage::Format_ARGB32);
    argb.fill(QColor(1, 2, 3, 128));
    QVERIFY(argb.save(q(dir.file("p32.png"))));
    QCOMPARE(SkinImage::load(q(dir.file("p32.png"))).depth(), 32);
    QVERIFY(argb.convertToFormat(QImage::Format_RGB888).save(q(dir.file("p24.bmp"))));
    QCOMPARE(SkinImage::load(q(dir.file("p24.bmp"))).depth(), 24);
    vt::test::writeFile(dir.file("junk.png"), "not an image");
    QVERIFY(SkinImage::load(q(dir.file("junk.png"))).isNull());
}

// ---- elements ----------------------------------------------------------------------------------------------------

void SkinTest::elementGeometryAndHoles() {
    vt::test::TempDir dir;
    QVERIFY(strip(3, 10, 6, false).save(q(dir.file("h.png"))));
    QVERIFY(strip(3, 10, 6, true).save(q(dir.file("v.png"))));
    const QString ini = writeIni(dir, "s.ini",
                                 section(0, "h.png", 100, 50, 3) + section(1, "v.png", 200, 50, 3, 0, "vertical=1\n") +
                                     section(2, "h.png", 0, 0, 3));
    SkinSet skin;
    QVERIFY(skin.load(ini));
    const SkinElement& h = skin.button(0);
    QCOMPARE(h.frameRect(1), QRect(10, 0, 10, 6));
    QCOMPARE(skin.button(1).frameRect(2), QRect(0, 12, 10, 6));
    QCOMPARE(h.frame(), 0);
    // The key pixel in the frame's corner is not clickable; the pixel beside it is.
    QVERIFY(!h.contains(QPoint(100, 50)));
    QVERIFY(h.contains(QPoint(101, 50)));
    QVERIFY(h.contains(QPoint(109, 55)));
    QVERIFY(!h.contains(QPoint(110, 55)));
    // A press on the hole of button 2 falls through to nothing (window drag); beside it hits button 2.
    QCOMPARE(skin.press(QPoint(0, 0)), -1);
    QCOMPARE(skin.press(QPoint(1, 0)), 2);

    // Drawing shows the current frame at the element's position, clipped to its region.
    QImage canvas(300, 100, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter p(&canvas);
    skin.paint(p);
    p.end();
    QCOMPARE(canvas.pixel(105, 53), qRgb(40, 40, 40));
    QCOMPARE(canvas.pixel(100, 50), qRgb(255, 255, 255)); // hole: background stays
    QCOMPARE(canvas.pixel(205, 53), qRgb(40, 40, 40));

    // 32-bit frames are alpha-blended over what is below.
    QImage half(4, 4, QImage::Format_ARGB32);
    half.fill(QColor(0, 0, 0, 128));
    QVERIFY(half.save(q(dir.file("a.png"))));
    QVERIFY(skin.load(writeIni(dir, "a.ini", section(0, "a.png", 0, 0, 1))));
    canvas.fill(Qt::white);
    p.begin(&canvas);
    skin.paint(p);
    p.end();
    QVERIFY(qAbs(qRed(canvas.pixel(1, 1)) - 127) <= 2);
}

void SkinTest::badElements() {
    vt::test::TempDir dir;
    QVERIFY(strip(1, 8, 8, false).save(q(dir.file("one.png"))));
    QVERIFY(strip(1, 2, 8, false).save(q(dir.file("narrow.png"))));
    vt::test::writeFile(dir.file("empty.png"), "");
    QImage black(4, 4, QImage::Format_RGB32);
    black.fill(Qt::black);
    black.setPixel(3, 3, qRgb(9, 9, 9));
    QVERIFY(black.save(q(dir.file("black.png"))));
    const QString ini = writeIni(dir, "bad.ini",
                                 "[Button0]\nimage=one.png\nname=Zero\nactions=0\ntransparentcolor=16711935\n"
                                 "[Button1]\nimage=missing.png\nname=Missing\n"
                                 "[Button2]\nimage=empty.png\nname=Empty\n"
                                 "[Button3]\nimage=narrow.png\nname=Narrow\nactions=4\ntransparentcolor=16711935\n"
                                 "[Button4]\nimage=black.png\nname=NoKey\nleft=50\n"
                                 "[Button5]\nname=NoImage\n");
    SkinSet skin;
    QVERIFY(skin.load(ini));
    QCOMPARE(skin.button(0).frameCount(), 1); // actions 0 counts as one frame
    QCOMPARE(skin.button(0).frameRect(0), QRect(0, 0, 8, 8));
    QCOMPARE(skin.press(QPoint(3, 3)), 0);
    for (int i : {1, 2, 5}) {
        QVERIFY(!skin.button(i).hasImage());
        QVERIFY(skin.button(i).hitRegion().isEmpty());
    }
    QCOMPARE(skin.button(1).name(), std::string("Missing")); // keeps its name
    // Narrower than its four frames: frames are zero pixels wide, the element never reacts.
    QVERIFY(skin.button(3).hasImage());
    QVERIFY(skin.button(3).frameRect(0).isEmpty());
    QCOMPARE(skin.button(3).hover(QPoint(0, 0)), 0);
    // Without transparentcolor the key is black: only the one non-black pixel is clickable.
    QCOMPARE(skin.button(4).hitRegion(), QRegion(53, 3, 1, 1));
    QImage out = skin.render();
    QCOMPARE(out.size(), QSize(800, 600)); // no view: the default window size
}

// ---- state rules -------------------------------------------------------------------------------------------------
// Buttons of the fixture (10 x 6 frames, hole at each frame's top-left pixel):
//   0: four-frame push at (0,0)        1: two-state alone in group 5 at (20,0)
//   2, 3: two-state, group 0, at (40,0) and (60,0)
//   4: push at (80,0)    5: push at (84,0), overlapping 4 from x 84 to 89
// Script: "h x y" hover, "p x y" press, "r x y" release, "g i" put button i into its grey frame.
// Result: per step the return (press/release: element index or -1; hover: reacting indexes joined by '+'),
// then the frames of buttons 0..5.

void SkinTest::stateRules_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("expected");
    QTest::newRow("push: hover, press, release") << "h 5 3; h 6 3; h 50 50; p 5 3; r 5 3"
                                                 << "0;;0;0;0|1,0,0,0,0,0";
    QTest::newRow("push: leaving after hover") << "h 5 3; h 150 50"
                                               << "0;0|0,0,0,0,0,0";
    QTest::newRow("disabled four-frame ignores all") << "g 0; h 5 3; p 5 3; r 5 3; h 150 50"
                                                     << ";-1;-1;|3,0,0,0,0,0";
    QTest::newRow("two-state alone flips") << "p 25 3; r 25 3"
                                           << "1;1|0,1,0,0,0,0";
    QTest::newRow("two-state alone flips back") << "p 25 3; p 25 3"
                                                << "1;1|0,0,0,0,0,0";
    QTest::newRow("two-state hover keeps frame") << "p 25 3; h 25 3; h 150 50"
                                                 << "1;1;|0,1,0,0,0,0";
    QTest::newRow("group of two: clicked is selected") << "p 45 3"
                                                       << "2|0,0,1,0,0,0";
    QTest::newRow("group of two: selected stays") << "p 45 3; p 45 3"
                                                  << "2;2|0,0,1,0,0,0";
    QTest::newRow("group of two: switch") << "p 45 3; p 65 3"
                                          << "2;3|0,0,0,1,0,0";
    QTest::newRow("overlap: first in order wins") << "p 86 3; r 86 3"
                                                  << "4;4|0,0,0,0,1,0";
    QTest::newRow("release over another button") << "p 81 3; r 92 3"
                                                 << "4;5|0,0,0,0,2,1";
    QTest::newRow("release over nothing") << "p 81 3; r 150 50"
                                          << "4;-1|0,0,0,0,2,0";
    QTest::newRow("key pixel falls through") << "p 84 0"
                                             << "4|0,0,0,0,2,0";
}

void SkinTest::stateRules() {
    QFETCH(QString, script);
    QFETCH(QString, expected);
    vt::test::TempDir dir;
    QVERIFY(strip(4, 10, 6, false).save(q(dir.file("four.png"))));
    QVERIFY(strip(2, 10, 6, false).save(q(dir.file("two.png"))));
    QVERIFY(strip(3, 10, 6, false).save(q(dir.file("three.png"))));
    SkinSet skin;
    QVERIFY(skin.load(writeIni(dir, "s.ini",
                               section(0, "four.png", 0, 0, 4) + section(1, "two.png", 20, 0, 2, 5) +
                                   section(2, "two.png", 40, 0, 2, 0) + section(3, "two.png", 60, 0, 2, 0) +
                                   section(4, "three.png", 80, 0, 3) + section(5, "three.png", 84, 0, 3))));
    QStringList results;
    for (const QString& step : script.split(';')) {
        const QStringList w = step.trimmed().split(' ');
        if (w[0] == "g") {
            skin.button(w[1].toInt()).setFrame(skin.button(w[1].toInt()).stateGray());
            continue;
        }
        const QPoint pt(w[1].toInt(), w[2].toInt());
        if (w[0] == "h") {
            QStringList r;
            for (int i : skin.hover(pt))
                r << QString::number(i);
            results << r.join('+');
        } else if (w[0] == "p") {
            results << QString::number(skin.press(pt));
        } else {
            results << QString::number(skin.release(pt));
        }
    }
    QStringList frames;
    for (int i = 0; i < 6; ++i)
        frames << QString::number(skin.button(i).frame());
    QCOMPARE(results.join(';') + "|" + frames.join(','), expected);
}

// ---- skin set ----------------------------------------------------------------------------------------------------

void SkinTest::skinSetKeepsShapeOnFailure() {
    vt::test::TempDir dir;
    QImage view(40, 30, QImage::Format_RGB32);
    view.fill(Qt::white);
    view.setPixel(0, 0, kKey);
    QVERIFY(view.save(q(dir.file("view.png"))));
    QVERIFY(strip(3, 10, 6, false).save(q(dir.file("b.png"))));
    SkinSet skin;
    QVERIFY(skin.load(writeIni(dir, "good.ini",
                               "[View0]\nimage=view.png\ntransparentcolor=16711935\n" + section(0, "b.png", 5, 5, 3) +
                                   "[Layout]\neditLeft=1\neditTop=2\neditRight=11\neditBottom=22\n")));
    const QRegion shape = skin.windowShape();
    QVERIFY(!shape.contains(QPoint(0, 0)));
    QVERIFY(shape.contains(QPoint(1, 0)));
    QCOMPARE(skin.viewSize(), QSize(40, 30));
    QCOMPARE(skin.layoutRect("edit"), QRect(1, 2, 10, 20));
    QVERIFY(skin.layoutRect("list").isNull());
    QCOMPARE(skin.indexOf("B0"), 0);

    // View image broken: the shape stays, the buttons of the new file are loaded.
    QVERIFY(skin.load(writeIni(dir, "badview.ini", "[View0]\nimage=nothing.png\n" + section(3, "b.png", 0, 0, 3))));
    QCOMPARE(skin.windowShape(), shape);
    QVERIFY(!skin.view().hasImage());
    QVERIFY(!skin.button(0).hasImage());
    QVERIFY(skin.button(3).hasImage());

    // Missing file: everything empty, shape kept.
    QVERIFY(!skin.load(q(dir.file("nothing.ini"))));
    QCOMPARE(skin.windowShape(), shape);
    QVERIFY(skin.commandNames().empty());
    QCOMPARE(skin.press(QPoint(1, 1)), -1);
}

// ---- the shipped default skin set ---------------------------------------------------------------------------------

namespace {

QStringList studyCommon() {
    return {"Back",           "Close",           "Minimize",      "Play",
            "Newwords",       "Enlighten",       "Pronounce",     "Time",
            "Parameter",      "Forward",         "Backward",      "Phonetic Symbol",
            "Capitalization", "Close Pronounce", "Read Sentence", "Word",
            "Start Timer",    "Grade Zero",      "Grade One",     "Grade Two",
            "Grade Three",    "Grade Four",      "Grade Five",    "Master",
            "Stress"};
}

const QStringList kItems = {"Item A", "Item B", "Item C", "Item D"};
const QStringList kTypes = {"",       "Fill Letter",   "Choose Letter", "Choose Meaning", "Choose Word",
                            "Choose", "Think Meaning", "Think Word",    "Scanning",       "Fill Word"};
const QStringList kOrders = {"Intellectual", "Original Order", "In Sequence", "Reverse Order", "Random", "Correlative"};

QStringList pick(const QStringList& from, std::initializer_list<int> codes) {
    QStringList out;
    for (int c : codes)
        out << from[c];
    return out;
}

// Areas where the main window writes or draws; no button may cover them.
QList<QRect> textAreas(int mode) {
    const QRect word(QPoint(160, 175), QPoint(599, 269)), bar(132, 160, 495, 3), square(649, 423, 19, 19);
    const QRect stats(QPoint(20, 370), QPoint(110, 565));
    switch (mode) {
    case 0:
        return {QRect(QPoint(60, 500), QPoint(739, 579))};
    case 1:
    case 4:
        return {word, bar, square, stats, QRect(QPoint(370, 285), QPoint(614, 409))};
    case 3:
        return {word, bar, square, stats, QRect(QPoint(150, 285), QPoint(614, 409))};
    case 5:
        return {word, bar, square, stats, QRect(QPoint(160, 300), QPoint(614, 409))};
    case 7:
        return {QRect(QPoint(11, 70), QPoint(788, 149)), QRect(QPoint(10, 150), QPoint(789, 584))};
    case 9:
        return {QRect(QPoint(245, 100), QPoint(765, 510))};
    default:
        return {};
    }
}

} // namespace

void SkinTest::shippedSkins_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("required");
    QTest::addColumn<QStringList>("forbidden");
    QTest::addColumn<QStringList>("layout");
    const QStringList win = {"Close", "Minimize"};
    const QStringList back = win + QStringList{"Back"};
    QTest::newRow("main") << 0
                          << win + QStringList{"Carefree Memory", "Choose Book",          "Free Scan", "Easy Choice",
                                               "Fill Blanks",     "Entertainment Memory", "Game",      "Make MP3",
                                               "State Statistic", "System Management",    "Help",      "Introduction",
                                               "System"}
                          << QStringList{"Back"} << QStringList{"help"};
    QTest::newRow("carefree") << 1 << studyCommon() + kItems + pick(kTypes, {3, 4, 2, 5, 1, 9}) + pick(kOrders, {0, 5})
                              << QStringList{"Range"} + pick(kTypes, {6, 7, 8}) + pick(kOrders, {1, 2, 3, 4})
                              << QStringList{"edit"};
    QTest::newRow("book") << 2
                          << back + QStringList{"Others",
                                                "High School And University",
                                                "Schoolbook One",
                                                "Schoolbook  Two",
                                                "Schoolbook  Three",
                                                "Schoolbook  Four",
                                                "GRE",
                                                "CET4 And CET6",
                                                "Elementary And Middle School",
                                                "TOEFL And IELTS",
                                                "Professional Title",
                                                "Select Book",
                                                "leftleft",
                                                "leftright",
                                                "rightleft",
                                                "rightright",
                                                "More Words"}
                          << QStringList{"Schoolbook Two"} << QStringList{"leftList", "rightList"};
    QTest::newRow("free scan") << 3
                               << studyCommon() + QStringList{"Range"} + pick(kTypes, {6, 7, 8}) +
                                      pick(kOrders, {4, 5, 1, 2, 3})
                               << kItems + pick(kTypes, {1, 2, 3, 4, 5, 9}) + pick(kOrders, {0}) << QStringList{"edit"};
    QTest::newRow("easy choice") << 4
                                 << studyCommon() + kItems + QStringList{"Range"} + pick(kTypes, {3, 4, 2, 5}) +
                                        pick(kOrders, {0, 5})
                                 << pick(kTypes, {1, 6, 7, 8, 9}) << QStringList{"edit"};
    QTest::newRow("fill blanks") << 5
                                 << studyCommon() + QStringList{"Range"} + pick(kTypes, {1, 9}) + pick(kOrders, {0, 5})
                                 << kItems + pick(kTypes, {2, 3, 4, 5, 6, 7, 8}) << QStringList{"edit"};
    QTest::newRow("leisure") << 6 << back + QStringList{"Words Bible", "Up Show", "Title Bar", "Full Screen"}
                             << QStringList{} << QStringList{};
    QTest::newRow("game") << 7 << back << QStringList{} << QStringList{};
    QTest::newRow("mp3") << 8 << back + QStringList{"Word output", "Make"} << QStringList{}
                         << QStringList{"wordList", "count"};
    QTest::newRow("statistics") << 9 << back << QStringList{} << QStringList{};
    QTest::newRow("system") << 10 << back + QStringList{"Book Management", "System Management"} << QStringList{}
                            << QStringList{};
}

void SkinTest::shippedSkins() {
    QFETCH(int, mode);
    QFETCH(QStringList, required);
    QFETCH(QStringList, forbidden);
    QFETCH(QStringList, layout);
    const QString fileName = QString::fromUtf8(vt::kSkinFiles[mode]);
    const QString path = QString(VT_SKIN_DIR) + "/" + fileName;

    // The file is GBK: its title comment reads back through GBK, not as UTF-8.
    const std::string bytes = vt::test::readFile(path.toStdString());
    std::string utf8;
    QVERIFY(vt::gbkToUtf8(bytes, utf8));
    QVERIFY(q(utf8).contains(fileName.chopped(4), Qt::CaseInsensitive));
    QVERIFY(bytes.find(fileName.chopped(4).toStdString()) == std::string::npos);

    SkinSet skin;
    QVERIFY2(skin.load(path), qPrintable(path));
    QVERIFY(skin.view().hasImage());
    QCOMPARE(skin.viewSize(), QSize(800, 600));
    const QRegion shape = skin.windowShape();
    QVERIFY(!shape.contains(QPoint(0, 0)) && !shape.contains(QPoint(799, 599))); // rounded corners
    QVERIFY(shape.contains(QPoint(400, 300)) && shape.contains(QPoint(20, 0)));

    QStringList names;
    std::set<QString> seen;
    for (const std::string& n : skin.commandNames()) {
        names << q(n);
        QVERIFY2(seen.insert(q(n)).second, qPrintable("duplicate button " + q(n)));
    }
    for (const QString& n : required)
        QVERIFY2(names.contains(n), qPrintable(fileName + " lacks " + n));
    for (const QString& n : forbidden)
        QVERIFY2(!names.contains(n), qPrintable(fileName + " has " + n));

    // Every section that names an image loads it; buttons sit inside the window, apart from each other and
    // from the areas the main window writes on; their transparent corners are not clickable.
    std::map<int, QStringList> groups;
    for (int i = 0; i < SkinSet::kButtons; ++i) {
        const SkinElement& b = skin.button(i);
        QCOMPARE(b.hasImage(), !b.imageName().empty());
        if (!b.hasImage())
            continue;
        const QRect r = b.hitRegion().boundingRect();
        QVERIFY2(shape.contains(r), qPrintable(b.displayName()));
        QVERIFY2(!b.contains(QPoint(b.left(), b.top())), qPrintable(b.displayName() + ": corner is clickable"));
        for (int j = 0; j < i; ++j)
            QVERIFY2(!skin.button(j).hitRegion().intersects(b.hitRegion()),
                     qPrintable(b.displayName() + " overlaps " + skin.button(j).displayName()));
        for (const QRect& area : textAreas(mode))
            QVERIFY2(!b.hitRegion().intersects(area), qPrintable(b.displayName() + " covers a text area"));
        for (const QString& key : layout)
            QVERIFY2(!b.hitRegion().intersects(skin.layoutRect(key.toStdString())),
                     qPrintable(b.displayName() + " covers widget " + key));
        if (b.isTwoState()) {
            QCOMPARE(b.frame(), b.stateDown()); // loads unselected
            QVERIFY(b.stateUp() != b.stateDown());
            groups[b.group()] << b.displayName();
        } else {
            QVERIFY(b.stateUp() != b.stateNormal() && b.stateDown() != b.stateNormal()); // hover, press visible
        }
    }
    for (const QString& key : layout)
        QVERIFY2(!skin.layoutRect(key.toStdString()).isNull(), qPrintable(key));

    if (mode == 1 || (mode >= 3 && mode <= 5)) {
        // One radio group per row, each toggle alone, the eight levels together.
        auto groupOf = [&](const QString& n) { return skin.button(skin.indexOf(n.toStdString())).group(); };
        QStringList levels = studyCommon().mid(17);
        for (const QString& n : levels)
            QCOMPARE(groupOf(n), groupOf("Grade Zero"));
        QCOMPARE(groups[groupOf("Grade Zero")].size(), 8);
        for (const char* n :
             {"Phonetic Symbol", "Capitalization", "Close Pronounce", "Read Sentence", "Word", "Start Timer"})
            QCOMPARE(groups[groupOf(n)], QStringList{QString(n)});
        const int typeGroup = groupOf(
            *std::find_if(kTypes.begin() + 1, kTypes.end(), [&](const QString& t) { return names.contains(t); }));
        for (const QString& t : kTypes)
            if (names.contains(t))
                QCOMPARE(groupOf(t), typeGroup);
        const int orderGroup = groupOf("Correlative");
        QVERIFY(orderGroup != typeGroup);
        for (const QString& o : kOrders)
            if (names.contains(o))
                QCOMPARE(groupOf(o), orderGroup);
        // The typing square lies inside the edit field.
        QVERIFY(skin.layoutRect("edit").contains(QRect(649, 423, 19, 19)));
    }
}

QTEST_MAIN(SkinTest)
#include "test_skin.moc"
