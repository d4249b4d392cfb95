#pragma once
// The guide's window: the page on the right, and on the left its contents,
// an alphabetical index with a filter, and a full-text search. Links between
// pages, Back and Forward work as in any help window; nothing leaves the
// program (no web browser is needed).

#include "app/HelpIndex.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;

namespace kiv {

class CHelpViewer : public QDialog {
    Q_OBJECT
  public:
    explicit CHelpViewer(const CHelpIndex& index, QWidget* parent = nullptr);

    // Shows a page of the guide; a topic the guide lacks shows the contents.
    void ShowTopic(const QString& topic);
    QString CurrentTopic() const;
    const CHelpIndex& Index() const { return index_; }

    // Runs a search and shows its results on the "Cerca" tab.
    void Search(const QString& query);

    QTabWidget* Tabs() const { return tabs_; }
    QTreeWidget* ContentsTree() const { return contents_; }
    QLineEdit* IndexFilter() const { return indexFilter_; }
    QListWidget* IndexList() const { return indexList_; }
    QLineEdit* SearchField() const { return searchField_; }
    QListWidget* SearchResults() const { return results_; }
    QTextBrowser* Browser() const { return browser_; }

  private:
    void FilterIndex(const QString& text);
    void OpenResult(int row);

    const CHelpIndex& index_;
    QTabWidget* tabs_ = nullptr;
    QTreeWidget* contents_ = nullptr;
    QLineEdit* indexFilter_ = nullptr;
    QListWidget* indexList_ = nullptr;
    QLineEdit* searchField_ = nullptr;
    QListWidget* results_ = nullptr;
    QTextBrowser* browser_ = nullptr;
    QString lastQuery_;
};

} // namespace kiv
