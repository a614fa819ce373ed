#include "Preview.h"

#include "SkinPainter.h"
#include "skin/SkinFiles.h"
#include "skin/SkinSet.h"

#include <QDir>
#include <QPainter>

#include <cstdio>

namespace vt::skingen {
namespace {

void text(QPainter& p, const QRect& r, const QString& s, int px, const QColor& c, bool bold = false, bool wrap = false,
          int valign = Qt::AlignTop) {
    p.setFont(SkinPainter::font(px, bold));
    p.setPen(c);
    // Blocks are clipped to their rectangle; single lines may overhang it, as the CJK font's line box is taller.
    p.drawText(r, Qt::AlignLeft | valign | (wrap ? Qt::TextWordWrap : Qt::TextSingleLine | Qt::TextDontClip), s);
}

void studyLayer(QPainter& p, int mode) {
    const QColor level = levelColor(2);
    text(p, QRect(QPoint(160, 175), QPoint(200, 210)), "1", 38, level, true);
    text(p, QRect(QPoint(190, 175), QPoint(600, 220)), "abandon", 38, level, true);
    const int wordWidth = QFontMetrics(SkinPainter::font(38, true)).horizontalAdvance("abandon");
    text(p, QRect(QPoint(190 + wordWidth + 20, 180), QPoint(600, 215)), "[əˈbændən]", 25, Qt::white);
    text(p, QRect(QPoint(190, 215), QPoint(600, 245)), "v. 放弃；抛弃；离弃", 25, Qt::white);
    text(p, QRect(QPoint(190, 243), QPoint(600, 270)), "[记法] a＋band（带子）＋on", 20, Qt::white);
    QRect notes;
    switch (mode) {
    case 3:
        notes = QRect(QPoint(150, 285), QPoint(615, 410));
        break;
    case 5:
        notes = QRect(QPoint(160, 300), QPoint(615, 410));
        break;
    default:
        notes = QRect(QPoint(370, 285), QPoint(615, 410));
        break;
    }
    text(p, notes,
         "[例句] He abandoned his car in the snow. 他把车丢弃在雪地里了。\n[变化] abandoned, abandoning\n"
         "[考点] abandon oneself to 沉溺于",
         19, Qt::black, false, true);
    if (mode == 1 || mode == 4) {
        const QRect choices[] = {{QPoint(175, 290), QPoint(350, 310)},
                                 {QPoint(175, 322), QPoint(350, 343)},
                                 {QPoint(175, 354), QPoint(350, 376)},
                                 {QPoint(175, 387), QPoint(350, 409)}};
        const char* texts[] = {"v. 放弃；抛弃", "n. 能力；才能", "adj. 丰富的", "v. 吸收；吸引"};
        for (int i = 0; i < 4; ++i)
            text(p, choices[i], texts[i], 20, Qt::black);
    }
    const int top = mode == 1 ? 138 : 140;
    const char* labels[] = {"音标", "大写", "发音", "读句", "单词"};
    const int xs[][2] = {{160, 220}, {220, 300}, {290, 360}, {355, 420}, {420, 485}};
    for (int i = 0; i < 5; ++i)
        text(p, QRect(QPoint(xs[i][0], top), QPoint(xs[i][1], 160)), labels[i], 18, Qt::black, false, false,
             Qt::AlignVCenter);
    p.setPen(QPen(QColor(193, 225, 246), 3));
    p.drawLine(132, 161, 627, 161);
    p.setPen(QPen(QColor(255, 216, 0), 3));
    p.drawLine(132, 161, 132 + 200, 161);
    text(p, QRect(745, 135, 50, 24), "37", 18, QColor(198, 79, 0));

    const QColor panel(35, 115, 176);
    const char* gauges[] = {"词汇量：", "难度级：", "记忆度：", "正确率："};
    const char* values[] = {"3200", "6", "2", "66%"};
    for (int i = 0; i < 4; ++i) {
        const int y = 464 + 25 * i;
        text(p, QRect(22, y, 90, 20), gauges[i], 17, panel);
        p.setPen(panel);
        p.setBrush(Qt::NoBrush);
        p.drawRect(22, y + 17, 45, 7);
        p.fillRect(23, y + 18, 25, 5, QColor(255, 160, 0));
        text(p, QRect(70, y + 11, 50, 20), values[i], 17, panel);
    }
    p.setPen(panel);
    p.drawLine(25, 400, 95, 400);
    for (int i = 0; i < 10; ++i)
        p.fillRect(27 + i * 7, 400 - (i * 7 % 30), 5, i * 7 % 30, levelColor(i % 8));
}

void gameLayer(QPainter& p) {
    p.fillRect(QRect(QPoint(11, 70), QPoint(789, 150)), QColor(7, 146, 220));
    text(p, QRect(50, 80, 200, 50), "单词对对碰", 38, Qt::white, true);
    text(p, QRect(220, 80, 560, 50), "时间 12  + 10  得分 30  点数 10", 38, Qt::white, true);
    const QRect board(10, 150, 780, 435);
    const int n = 4;
    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r) {
            QRect cell(board.left() + c * (board.width() / n), board.top() + r * (board.height() / n),
                       board.width() / n, board.height() / n);
            p.fillRect(cell.adjusted(1, 1, -1, -1), (c + r) % 3 ? QColor(0, 128, 128) : QColor(208, 235, 249));
            p.setFont(SkinPainter::font(20));
            p.setPen((c + r) % 3 ? Qt::white : Qt::blue);
            p.drawText(cell, Qt::AlignCenter | Qt::TextWordWrap, (c + r) % 2 ? "abandon" : "v. 放弃");
        }
}

void statsLayer(QPainter& p) {
    const QColor c(0, 83, 133);
    text(p, QRect(315, 110, 150, 20), "用    户: kelp", 18, c);
    text(p, QRect(465, 110, 60, 20), "书    本: ", 18, c);
    text(p, QRect(QPoint(510, 110), QPoint(765, 240)), "英语精选1000词.bte 第3单元", 18, c, false, true);
    text(p, QRect(315, 130, 150, 20), "范    围: 重点词汇", 18, c);
    text(p, QRect(465, 130, 150, 20), "单词数: 120", 18, c);
    text(p, QRect(355, 225, 420, 20), "鼠标点击相应的区域可以浏览该状态的单词！", 18, c);
    p.setPen(QColor(0, 255, 0));
    p.drawLine(245, 460, 665, 460);
    p.drawLine(245, 260, 250, 260);
    const double s = 420 / 10.00001;
    const int values[] = {30, 22, 18, 12, 9, 6, 20, 8, 15, 40};
    const char* labels[] = {"0", "1", "2", "3", "4", "5", "掌握", "重点", "错误", "学习量"};
    for (int i = 0; i < 10; ++i) {
        const int top = 460 - values[i] * 200 / 120;
        QRect bar(QPoint(static_cast<int>(245 + i * s), top), QPoint(static_cast<int>(245 + (i + 1) * s), 460));
        p.fillRect(bar, i < 7    ? levelColor(i)
                        : i == 7 ? QColor(255, 255, 0)
                        : i == 8 ? QColor(0, 255, 255)
                                 : QColor(255, 180, 0));
        p.setPen(QColor(0, 255, 0));
        p.drawRect(bar);
        text(p, QRect(bar.left() + 10, top - 20, 40, 20), QString::number(values[i]), 18, c);
        const int shift = i >= 6 && i <= 8 ? 4 : i == 9 ? 8 : 0;
        text(p, QRect(static_cast<int>(255 + i * s) - shift, 470, 60, 20), labels[i], 18, c);
    }
    text(p, QRect(250, 490, 40, 20), "陌生", 18, c);
    text(p, QRect(290, 490, 400, 20), "--------------------------------->", 18, c);
    text(p, QRect(static_cast<int>(685 - 5 * s - 13), 490, 40, 20), "熟悉", 18, c);
}

void layoutRects(QPainter& p, const SkinSet& skin) {
    for (const char* key : {"edit", "leftList", "rightList", "wordList", "count"}) {
        const QRect r = skin.layoutRect(key);
        if (r.isNull())
            continue;
        p.setPen(QPen(QColor(230, 120, 0), 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        text(p, r.adjusted(4, 2, 0, 0), QString("[%1]").arg(key), 11, QColor(230, 120, 0));
    }
}

void overlay(QPainter& p, int mode, const SkinSet& skin) {
    switch (mode) {
    case 0:
        text(p, QRect(QPoint(60, 500), QPoint(740, 580)),
             "无忧记忆：系统根据你的记忆情况自动挑选单元和单词，你只要跟着一个一个学下去，"
             "答对的词慢慢记牢，答错的词会更常出现。",
             20, Qt::white, false, true);
        break;
    case 1:
    case 3:
    case 4:
    case 5:
        studyLayer(p, mode);
        break;
    case 7:
        gameLayer(p);
        break;
    case 9:
        statsLayer(p);
        break;
    default:
        break;
    }
    layoutRects(p, skin);
}

QImage flatten(const QImage& rendered) {
    QImage out(rendered.size(), QImage::Format_RGB32);
    out.fill(QColor(0x60, 0x60, 0x60)); // desktop behind the rounded corners
    QPainter p(&out);
    p.drawImage(0, 0, rendered);
    return out;
}

} // namespace

bool renderPreviews(const QString& skinFolder, const QString& outFolder) {
    QDir().mkpath(outFolder);
    bool ok = true;
    for (int mode = 0; mode < kSkinModes; ++mode) {
        SkinSet skin;
        const QString ini = skinFolder + "/" + QString::fromUtf8(kSkinFiles[mode]);
        if (!skin.load(ini)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(ini));
            ok = false;
            continue;
        }
        for (int active = 0; active < 2; ++active) {
            if (active)
                for (int i = 0; i < SkinSet::kButtons; ++i)
                    skin.button(i).setFrame(skin.button(i).stateUp());
            QImage img = flatten(skin.render());
            QPainter p(&img);
            p.setRenderHint(QPainter::TextAntialiasing);
            p.setClipRegion(skin.windowShape());
            overlay(p, mode, skin);
            p.end();
            const QString name = QString("%1/%2_%3%4.png")
                                     .arg(outFolder)
                                     .arg(mode, 2, 10, QChar('0'))
                                     .arg(QString::fromUtf8(kSkinFiles[mode]).chopped(4))
                                     .arg(active ? "_active" : "");
            if (!img.save(name))
                ok = false;
        }
    }
    return ok;
}

} // namespace vt::skingen
