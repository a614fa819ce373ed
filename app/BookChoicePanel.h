#pragma once
// The book-choice screen's two lists: the library files of a category on the left, and on the right a
// preview of the selected book's words ("word  meaning"), so the learner sees what a book holds before
// loading it.
#include <QObject>
#include <QRect>
#include <QString>
#include <string>

class QListWidget;
class QWidget;

class BookChoicePanel : public QObject {
    Q_OBJECT
public:
    // The lists are children of parent, hidden until show().
    explicit BookChoicePanel(QWidget* parent);
    void show(const QRect& left, const QRect& right);
    void hide();

    // Lists "*.zoe", then "*.boe", then "*.bte" of baseFolder + "data/" + category (GBK texts).
    void listCategory(const std::string& gbkBaseFolder, const std::string& gbkCategory);
    const std::string& category() const { return m_category; }
    // Selects the entry with that file name (GBK); false when it is not listed.
    bool selectFile(const std::string& gbkFileName);
    // File name (GBK) of the selected entry, empty when none.
    std::string selectedFile() const;
    QStringList files() const;
    // Vertical page up (-1) or down (+1) of the left or right list.
    void pageLeft(int direction);
    void pageRight(int direction);

    QListWidget* leftList() const { return m_left; }
    QListWidget* rightList() const { return m_right; }

private:
    void showPreview();

    QListWidget* m_left;
    QListWidget* m_right;
    std::string m_base;
    std::string m_category;
};
