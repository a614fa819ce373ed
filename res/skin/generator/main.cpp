// vt-skingen: draws the default skin set (every screen's view, button strips and INI file) and renders previews.
//   vt-skingen write <folder>             writes the skin set into <folder> (res/skin/default)
//   vt-skingen preview <folder> <out>     renders each screen of <folder> to <out>/<n>.png with sample text
#include "Preview.h"
#include "ScreenBuilder.h"
#include "SkinPainter.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>

using namespace vt::skingen;
using Style = SkinPainter::Style;

namespace {

const QSize kWindow(800, 600);

struct Mode {
    const char* name;
    const char* label;
    const char* badge;
    QColor color;
};

const Mode kModes[] = {
    {"Carefree Memory", "无忧记忆", "忆", QColor(0x2F, 0x80, 0xED)},
    {"Choose Book", "书本选择", "书", QColor(0x27, 0xAE, 0x60)},
    {"Free Scan", "自由浏览", "览", QColor(0x9B, 0x51, 0xE0)},
    {"Easy Choice", "轻松选择", "选", QColor(0xF2, 0x99, 0x4A)},
    {"Fill Blanks", "手动填空", "填", QColor(0xEB, 0x57, 0x57)},
    {"Entertainment Memory", "休闲记忆", "闲", QColor(0x00, 0x9C, 0x9C)},
    {"Game", "游戏天地", "戏", QColor(0xD4, 0x8A, 0x00)},
    {"Make MP3", "MP3制作", "MP3", QColor(0x2D, 0x9C, 0xDB)},
    {"State Statistic", "状态统计", "统", QColor(0x21, 0x96, 0x53)},
    {"System Management", "系统管理", "设", QColor(0x5D, 0x6D, 0x7E)},
};

// The window: rounded outline, light body, title band with the program's name and the screen's title.
QImage baseView(const QString& title, bool mainScreen, const std::function<void(QPainter&)>& body) {
    QImage img = SkinPainter::canvas(kWindow);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, kWindow.width(), kWindow.height()), 14, 14);
    p.fillPath(outline, colors::window);
    p.save();
    p.setClipPath(outline);
    QLinearGradient band(0, 0, 0, 56);
    band.setColorAt(0, colors::titleTop);
    band.setColorAt(1, colors::titleBottom);
    p.fillRect(QRect(0, 0, kWindow.width(), 56), band);
    p.restore();

    const int x = mainScreen ? 18 : 100;
    SkinPainter::roundedBox(p, QRectF(x, 12, 32, 32), 8, QColor(255, 255, 255, 235), QColor());
    p.setFont(SkinPainter::font(18, true));
    p.setPen(colors::titleTop);
    p.drawText(QRectF(x, 12, 32, 32), Qt::AlignCenter, "词");
    p.setFont(SkinPainter::font(19, true));
    p.setPen(Qt::white);
    p.drawText(QRectF(x + 42, 0, 300, 56), Qt::AlignVCenter | Qt::AlignLeft,
               mainScreen ? QString("岚溪词苑") : QString("岚溪词苑  ·  ") + title);
    body(p);
    p.end();
    return SkinPainter::keyedView(img);
}

void card(QPainter& p, const QRect& r, const QColor& fill = colors::card) {
    SkinPainter::roundedBox(p, r, 10, fill, colors::cardBorder);
}

void caption(QPainter& p, const QRect& r, const QString& text, int px = 14, const QColor& c = colors::muted,
             bool bold = true, int flags = Qt::AlignLeft | Qt::AlignVCenter) {
    p.setFont(SkinPainter::font(px, bold));
    p.setPen(c);
    p.drawText(r, flags, text);
}

void windowButtons(ScreenBuilder& s, bool mainScreen) {
    s.addPush("Minimize", {724, 14}, SkinPainter::push({28, 28}, "—", Style::Title), "common_minimize");
    s.addPush("Close", {758, 14}, SkinPainter::push({28, 28}, "✕", Style::Close), "common_close");
    if (!mainScreen)
        s.addPush("Back", {14, 14}, SkinPainter::push({74, 28}, "‹ 返回", Style::Title), "common_back");
}

ScreenBuilder mainScreen() {
    ScreenBuilder s("主界面.ini", "main", "主界面");
    s.setView(baseView("", true, [](QPainter& p) {
        caption(p, QRect(40, 70, 700, 56), "今天想怎样记单词？", 30, colors::ink);
        caption(p, QRect(42, 126, 700, 30), "选择一种学习方式开始；鼠标停在按钮上，下方会显示它的说明。", 15,
                colors::muted, false);
        SkinPainter::roundedBox(p, QRectF(40, 484, 720, 104), 12, colors::helpPanel, QColor());
        p.setPen(QPen(QColor(255, 255, 255, 140), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(44, 503, 12, 12));
        p.setFont(SkinPainter::font(10, true));
        p.drawText(QRectF(44, 503, 12, 12), Qt::AlignCenter, "i");
    }));
    windowButtons(s, true);
    s.addPush("Introduction", {496, 14}, SkinPainter::push({62, 28}, "简介", Style::Link));
    s.addPush("Help", {566, 14}, SkinPainter::push({62, 28}, "帮助", Style::Link));
    s.addPush("System", {636, 14}, SkinPainter::push({80, 28}, "小贴士", Style::Link));
    for (int i = 0; i < 10; ++i) {
        const Mode& m = kModes[i];
        const QPoint at(40 + (i % 5) * 147, 180 + (i / 5) * 150);
        s.addPush(m.name, at, SkinPainter::tile({132, 138}, m.badge, m.color, m.label, {}), {}, true);
    }
    s.addLayout("help", QRect(QPoint(60, 500), QPoint(739, 579)), "help text of the hovered button (white text)");
    return s;
}

struct StudyScreen {
    const char* ini;
    const char* prefix;
    const char* title;
    std::vector<int> types;
    std::vector<int> orders;
    bool items;
    bool range;
};

const char* const kTypeNames[] = {"",       "Fill Letter",   "Choose Letter", "Choose Meaning", "Choose Word",
                                  "Choose", "Think Meaning", "Think Word",    "Scanning",       "Fill Word"};
const char* const kTypeLabels[] = {"",         "字母填空", "选择填空", "词义选择", "单词选择",
                                   "混合选择", "词义回想", "单词回想", "单词浏览", "完全填空"};
const char* const kOrderNames[] = {"Intellectual",  "Original Order", "In Sequence",
                                   "Reverse Order", "Random",         "Correlative"};
const char* const kOrderLabels[] = {"智能选词", "原序选词", "顺序选词", "逆序选词", "随机选词", "联想选词"};
const char* const kLevelNames[] = {"Grade Zero", "Grade One",  "Grade Two", "Grade Three",
                                   "Grade Four", "Grade Five", "Master",    "Stress"};
const char* const kLevelLabels[] = {"0 级", "1 级", "2 级", "3 级", "4 级", "5 级", "掌握", "重点"};

// Groups: one radio group per row, a group of its own for every toggle.
enum Group { kTypeGroup = 1, kOrderGroup = 2, kLevelGroup = 3, kFirstToggleGroup = 11, kTimerGroup = 16 };

ScreenBuilder studyScreen(const StudyScreen& d) {
    ScreenBuilder s(d.ini, d.prefix, d.title);
    s.setView(baseView(d.title, false, [&](QPainter& p) {
        card(p, QRect(10, 64, 122, 286));
        caption(p, QRect(22, 66, 100, 22), "记忆度", 13);
        card(p, QRect(10, 356, 122, 234));
        caption(p, QRect(142, 64, 40, 28), "题型", 13);
        caption(p, QRect(142, 98, 40, 28), "选词", 13);
        caption(p, QRect(700, 134, 44, 22), "已学", 13, colors::muted, false);
        SkinPainter::roundedBox(p, QRectF(140, 168, 486, 110), 12, colors::wordCard, QColor());
        card(p, QRect(140, 284, 486, 132));
        caption(p, QRect(300, 428, 166, 40), "回车 / 空格 / → 下一个", 12, colors::muted, false, Qt::AlignCenter);
        card(p, QRect(140, 484, 486, 106), colors::softCard);
        p.setFont(SkinPainter::font(13));
        p.setPen(colors::muted);
        p.drawText(QRect(156, 494, 456, 86), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   "小提示：答对的单词记忆度会升高；觉得已经记牢的单词，可以在左侧直接点“掌握”。"
                   "想多练的单词点“重点”，以后会更常出现。");
        caption(p, QRect(642, 398, 144, 20), "单词输入", 12);
        SkinPainter::roundedBox(p, QRectF(640, 420, 146, 134), 6, colors::card, colors::cardBorder);
    }));
    windowButtons(s, false);

    int x = 186;
    for (int t : d.types) {
        s.addTwoState(kTypeNames[t], {x, 64}, SkinPainter::chip({84, 28}, kTypeLabels[t]), kTypeGroup,
                      QString("study_type%1").arg(t));
        x += 90;
    }
    x = 186;
    for (int o : d.orders) {
        s.addTwoState(kOrderNames[o], {x, 98}, SkinPainter::chip({84, 28}, kOrderLabels[o]), kOrderGroup,
                      QString("study_order%1").arg(o));
        x += 90;
    }
    // Pills behind the option labels the main window writes at x 160, 220, 290, 355, 420 (18-pixel text).
    const char* toggles[] = {"Phonetic Symbol", "Capitalization", "Close Pronounce", "Read Sentence", "Word"};
    const int toggleX[][2] = {{155, 215}, {216, 284}, {286, 349}, {351, 414}, {416, 479}};
    for (int i = 0; i < 5; ++i) {
        const int w = toggleX[i][1] - toggleX[i][0];
        s.addTwoState(toggles[i], {toggleX[i][0], 137}, SkinPainter::option({w, 23}), kFirstToggleGroup + i,
                      QString("study_option%1").arg(w));
    }
    s.addTwoState("Start Timer", {500, 134}, SkinPainter::chip({100, 24}, "自动翻页"), kTimerGroup, "study_timer");
    for (int i = 0; i < 8; ++i)
        s.addTwoState(kLevelNames[i], {18, 90 + i * 32}, SkinPainter::level({106, 28}, kLevelLabels[i], levelColor(i)),
                      kLevelGroup, QString("study_level%1").arg(i));
    if (d.items) {
        const int tops[] = {285, 318, 350, 383};
        const char* letters[] = {"A", "B", "C", "D"};
        for (int i = 0; i < 4; ++i)
            s.addPush(QString("Item ") + letters[i], {146, tops[i]}, SkinPainter::item({214, 31}, letters[i]),
                      QString("study_item_%1").arg(letters[i]).toLower());
    }
    struct Cmd {
        const char* name;
        const char* label;
    };
    std::vector<Cmd> cmds = {{"Pronounce", "朗读单词"},
                             {"Newwords", "加入生词本"},
                             {"Enlighten", "启发记忆"},
                             {"Time", "定时设置"},
                             {"Parameter", "学习参数"}};
    if (d.range)
        cmds.push_back({"Range", "选词范围"});
    int y = 168;
    for (const Cmd& c : cmds) {
        s.addPush(c.name, {640, y}, SkinPainter::push({146, 32}, c.label, Style::Secondary),
                  QString("study_%1").arg(QString(c.name).toLower()));
        y += 38;
    }
    s.addPush("Play", {640, 560}, SkinPainter::push({146, 30}, "朗读输入的词", Style::Secondary), "study_play");
    s.addPush("Backward", {146, 428}, SkinPainter::push({150, 40}, "◀  上一个", Style::Secondary), "study_backward");
    s.addPush("Forward", {470, 428}, SkinPainter::push({150, 40}, "下一个  ▶", Style::Primary), "study_forward");
    s.addLayout("edit", QRect(QPoint(640, 420), QPoint(785, 553)),
                "edit field: typed word for Play, extended notes; pressing there suspends quiz keys");
    return s;
}

ScreenBuilder bookScreen() {
    ScreenBuilder s("书本选择.ini", "book", "书本选择");
    s.setView(baseView("书本选择", false, [](QPainter& p) {
        card(p, QRect(10, 64, 186, 526));
        caption(p, QRect(22, 68, 160, 24), "词库类别", 13);
        caption(p, QRect(208, 68, 280, 24), "本类书本", 13);
        caption(p, QRect(506, 68, 280, 24), "书本内容", 13);
        SkinPainter::roundedBox(p, QRectF(206, 96, 286, 404), 6, colors::card, colors::cardBorder);
        SkinPainter::roundedBox(p, QRectF(504, 96, 282, 404), 6, colors::card, colors::cardBorder);
    }));
    windowButtons(s, false);
    const char* cats[][2] = {{"Others", "其它"},
                             {"High School And University", "高中大学"},
                             {"Schoolbook One", "教材一"},
                             {"Schoolbook  Two", "教材二"},
                             {"Schoolbook  Three", "教材三"},
                             {"Schoolbook  Four", "教材四"},
                             {"GRE", "GRE / GMAT"},
                             {"CET4 And CET6", "四六级"},
                             {"Elementary And Middle School", "小学初中"},
                             {"TOEFL And IELTS", "托福雅思"},
                             {"Professional Title", "职称自考考研"}};
    for (int i = 0; i < 11; ++i)
        s.addPush(cats[i][0], {20, 96 + i * 44}, SkinPainter::push({166, 36}, cats[i][1], Style::Secondary),
                  QString("book_cat%1").arg(i));
    s.addPush("leftleft", {206, 508}, SkinPainter::push({139, 32}, "▲ 上一页", Style::Secondary), "book_pageup_l");
    s.addPush("leftright", {353, 508}, SkinPainter::push({139, 32}, "▼ 下一页", Style::Secondary), "book_pagedown_l");
    s.addPush("rightleft", {504, 508}, SkinPainter::push({137, 32}, "▲ 上一页", Style::Secondary), "book_pageup_r");
    s.addPush("rightright", {649, 508}, SkinPainter::push({137, 32}, "▼ 下一页", Style::Secondary), "book_pagedown_r");
    s.addPush("More Words", {206, 552}, SkinPainter::push({286, 36}, "获取更多词库", Style::Secondary));
    s.addPush("Select Book", {504, 552}, SkinPainter::push({282, 36}, "选用这本书", Style::Primary));
    s.addLayout("leftList", QRect(QPoint(206, 96), QPoint(491, 499)), "library files of the chosen category");
    s.addLayout("rightList", QRect(QPoint(504, 96), QPoint(785, 499)), "second list, paged by rightleft/rightright");
    return s;
}

struct Tile {
    const char* name;
    const char* label;
    const char* badge;
    const char* description;
};

ScreenBuilder tileScreen(const char* ini, const char* prefix, const char* title, const QString& intro,
                         const std::vector<Tile>& tiles, const QColor& color) {
    ScreenBuilder s(ini, prefix, title);
    s.setView(baseView(title, false, [&](QPainter& p) {
        caption(p, QRect(50, 70, 700, 50), title, 26, colors::ink);
        caption(p, QRect(52, 116, 700, 26), intro, 15, colors::muted, false);
    }));
    windowButtons(s, false);
    const bool two = tiles.size() <= 2;
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        const Tile& t = tiles[i];
        const QPoint at = two ? QPoint(50 + static_cast<int>(i) * 360, 200)
                              : QPoint(50 + static_cast<int>(i % 2) * 360, 160 + static_cast<int>(i / 2) * 200);
        s.addPush(t.name, at, SkinPainter::tile({340, two ? 200 : 180}, t.badge, color, t.label, t.description), {},
                  true);
    }
    return s;
}

ScreenBuilder gameScreen() {
    ScreenBuilder s("游戏天地.ini", "game", "游戏天地");
    s.setView(baseView("游戏天地", false, [](QPainter& p) {
        SkinPainter::roundedBox(p, QRectF(8, 148, 784, 440), 6, QColor(0xF8, 0xFA, 0xFD), colors::cardBorder);
    }));
    windowButtons(s, false);
    return s;
}

ScreenBuilder mp3Screen() {
    ScreenBuilder s("mp3制作.ini", "mp3", "MP3制作");
    s.setView(baseView("MP3制作", false, [](QPainter& p) {
        caption(p, QRect(22, 68, 300, 24), "导出的单词", 13);
        SkinPainter::roundedBox(p, QRectF(20, 96, 580, 490), 6, colors::card, colors::cardBorder);
        card(p, QRect(612, 64, 176, 526));
        caption(p, QRect(624, 74, 150, 22), "单词数（1 - 1000）", 13);
        SkinPainter::roundedBox(p, QRectF(624, 100, 150, 30), 5, colors::card, colors::cardBorder);
        p.setFont(SkinPainter::font(13));
        p.setPen(colors::muted);
        p.drawText(QRect(626, 246, 148, 300), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   "① 填写单词数，点“导出单词”，从当前书本取出单词。\n\n"
                   "② 看过列表后点“制作MP3”，生成朗读课程和同步歌词。\n\n"
                   "文件保存在 mp3 文件夹中，可以拷到手机或播放器上听。");
    }));
    windowButtons(s, false);
    s.addPush("Word output", {624, 142}, SkinPainter::push({150, 36}, "导出单词", Style::Secondary));
    s.addPush("Make", {624, 190}, SkinPainter::push({150, 36}, "制作MP3", Style::Primary));
    s.addLayout("wordList", QRect(QPoint(20, 96), QPoint(599, 585)), "output list: one line per exported word");
    s.addLayout("count", QRect(QPoint(624, 100), QPoint(773, 129)), "count field: number of words to export");
    return s;
}

ScreenBuilder statsScreen() {
    ScreenBuilder s("状态统计.ini", "stats", "状态统计");
    s.setView(baseView("状态统计", false, [](QPainter& p) {
        card(p, QRect(10, 64, 212, 526));
        caption(p, QRect(24, 76, 180, 30), "学习统计", 20, colors::ink);
        p.setFont(SkinPainter::font(14));
        p.setPen(colors::muted);
        p.drawText(QRect(24, 118, 186, 300), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   "右侧的柱形图显示当前书本中各记忆度的单词数量：从左边的陌生到右边的熟悉。\n\n"
                   "“掌握”是已经记牢的单词，“重点”是需要多练的单词，“错误”是答错过的单词，"
                   "“学习量”是这次学过的单词。\n\n点击一根柱形，可以浏览这些单词。");
        card(p, QRect(232, 64, 556, 526), colors::softCard);
    }));
    windowButtons(s, false);
    return s;
}

std::vector<ScreenBuilder> allScreens() {
    std::vector<ScreenBuilder> screens;
    screens.push_back(mainScreen());
    screens.push_back(studyScreen({"无忧记忆.ini", "wyjy", "无忧记忆", {3, 4, 2, 5, 1, 9}, {0, 5}, true, false}));
    screens.push_back(bookScreen());
    screens.push_back(studyScreen({"自由浏览.ini", "zyll", "自由浏览", {6, 7, 8}, {4, 5, 1, 2, 3}, false, true}));
    screens.push_back(studyScreen({"轻松选择.ini", "qsxz", "轻松选择", {3, 4, 2, 5}, {0, 5}, true, true}));
    screens.push_back(studyScreen({"手动填空.ini", "sdtk", "手动填空", {1, 9}, {0, 5}, false, true}));
    screens.push_back(tileScreen("休闲记忆.ini", "xxjy", "休闲记忆", "工作、休息时也能顺便看看单词。",
                                 {{"Full Screen", "全屏动画", "全", "单词在整个屏幕上逐个放映，适合休息时观看。"},
                                  {"Up Show", "置顶显示", "顶", "一个小窗口总在最前面，边工作边记单词。"},
                                  {"Title Bar", "置标题栏", "栏", "在屏幕顶端停靠一条单词栏，不挡住其他窗口。"},
                                  {"Words Bible", "单词宝典", "典", "把选中的单词编成可以打印的词汇手册。"}},
                                 QColor(0x00, 0x9C, 0x9C)));
    screens.push_back(gameScreen());
    screens.push_back(mp3Screen());
    screens.push_back(statsScreen());
    screens.push_back(tileScreen("系统管理.ini", "xtgl", "系统管理", "管理词库、用户和朗读语音。",
                                 {{"Book Management", "词库管理", "库", "查看、编辑和导出词库里的单词。"},
                                  {"System Management", "系统设置", "设", "添加或切换用户，选择朗读用的语音。"}},
                                 QColor(0x5D, 0x6D, 0x7E)));
    return screens;
}

int usage() {
    std::fprintf(stderr, "usage: vt-skingen write <folder> | vt-skingen preview <folder> <out-folder>\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 3 && args[1] == "write") {
        for (const ScreenBuilder& s : allScreens()) {
            QString error;
            if (!s.write(args[2], &error)) {
                std::fprintf(stderr, "vt-skingen: %s\n", qPrintable(error));
                return 1;
            }
        }
        return 0;
    }
    if (args.size() >= 4 && args[1] == "preview")
        return renderPreviews(args[2], args[3]) ? 0 : 1;
    return usage();
}
