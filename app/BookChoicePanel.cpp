#include "app/BookChoicePanel.h"

#include "app/GbkText.h"
#include "base/Paths.h"
#include "words/CWordList.h"

#include <QListWidget>
#include <QScrollBar>

namespace {

QListWidget* makeList(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setFocusPolicy(Qt::ClickFocus);
    list->setFrameShape(QFrame::NoFrame);
    list->setStyleSheet(QStringLiteral("QListWidget { background: white; color: #1e3a5c; border: 1px solid #c8d6e5;"
                                       " border-radius: 6px; font-size: 15px; padding: 4px; }"
                                       "QListWidget::item { padding: 3px; }"
                                       "QListWidget::item:selected { background: #2f6db5; color: white; }"));
    list->hide();
    return list;
}

void page(QListWidget* list, int direction) {
    list->verticalScrollBar()->triggerAction(direction < 0 ? QAbstractSlider::SliderPageStepSub
                                                           : QAbstractSlider::SliderPageStepAdd);
}

} // namespace

BookChoicePanel::BookChoicePanel(QWidget* parent)
    : QObject(parent), m_left(makeList(parent, "leftList")), m_right(makeList(parent, "rightList")) {
    m_right->setSelectionMode(QAbstractItemView::NoSelection);
    // Long meanings end in "…" rather than needing a sideways scroll.
    m_right->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_right->setTextElideMode(Qt::ElideRight);
    connect(m_left, &QListWidget::currentRowChanged, this, [this] { showPreview(); });
}

void BookChoicePanel::show(const QRect& left, const QRect& right) {
    if (left.isValid())
        m_left->setGeometry(left);
    if (right.isValid())
        m_right->setGeometry(right);
    m_left->show();
    m_right->show();
}

void BookChoicePanel::hide() {
    m_left->hide();
    m_right->hide();
}

void BookChoicePanel::listCategory(const std::string& gbkBaseFolder, const std::string& gbkCategory) {
    m_base = gbkBaseFolder;
    m_category = gbkCategory;
    m_left->clear();
    m_right->clear();
    const std::string folder = vt::joinPath(vt::joinPath(gbkBaseFolder, "data"), gbkCategory);
    for (const char* ext : {".zoe", ".boe", ".bte"}) {
        for (const std::string& name : vt::listFiles(folder, ext)) {
            auto* item = new QListWidgetItem(fromGbk(name), m_left);
            item->setData(Qt::UserRole, QByteArray::fromStdString(name));
        }
    }
}

bool BookChoicePanel::selectFile(const std::string& gbkFileName) {
    for (int i = 0; i < m_left->count(); ++i) {
        if (m_left->item(i)->data(Qt::UserRole).toByteArray().toStdString() == gbkFileName) {
            m_left->setCurrentRow(i);
            m_left->scrollToItem(m_left->item(i));
            return true;
        }
    }
    return false;
}

std::string BookChoicePanel::selectedFile() const {
    const QListWidgetItem* item = m_left->currentItem();
    return item ? item->data(Qt::UserRole).toByteArray().toStdString() : std::string();
}

QStringList BookChoicePanel::files() const {
    QStringList out;
    for (int i = 0; i < m_left->count(); ++i)
        out << m_left->item(i)->text();
    return out;
}

void BookChoicePanel::pageLeft(int direction) {
    page(m_left, direction);
}

void BookChoicePanel::pageRight(int direction) {
    page(m_right, direction);
}

void BookChoicePanel::showPreview() {
    m_right->clear();
    const std::string file = selectedFile();
    if (file.empty())
        return;
    vt::CWordList book;
    const std::string path = vt::joinPath(vt::joinPath(vt::joinPath(m_base, "data"), m_category), file);
    if (!book.load(path)) {
        m_right->addItem(QStringLiteral("（无法读取这本书）"));
        return;
    }
    QStringList lines;
    lines.reserve(book.count());
    for (int i = 1; i <= book.count(); ++i) {
        const vt::CWordStruct& w = book.entry(i);
        lines << fromGbk(w.m_word) + QStringLiteral("  ") + fromGbk(w.m_firstMeaning);
    }
    m_right->addItems(lines);
}
