// The user guide's window: the HTML pages of help/ in a text browser, with
// back and forward, a contents tree and an index of the pages' sections.
#pragma once

#include <QMainWindow>
#include <QString>

class QLineEdit;
class QListWidget;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

class CHelpWindow : public QMainWindow {
  Q_OBJECT

 public:
  // `directory` holds the guide's pages, index.html first among them.
  explicit CHelpWindow(const QString& directory, QWidget* parent = nullptr);

  // Shows `page` (a file name of the guide, with an optional "#section") and
  // brings the window to the front.
  void ShowPage(const QString& page);
  // The page shown, as a file name of the guide with its "#section", if any.
  QString CurrentPage() const;

  QTextBrowser* Browser() const { return browser_; }
  QTreeWidget* Contents() const { return contents_; }
  QListWidget* Index() const { return index_; }
  QLineEdit* IndexFilter() const { return indexFilter_; }

 private:
  void BuildContentsAndIndex();
  void FilterIndex(const QString& text);
  void OpenIndexEntry();
  void PageChanged(const QUrl& source);

  QString directory_;
  QTextBrowser* browser_;
  QTreeWidget* contents_;
  QListWidget* index_;
  QLineEdit* indexFilter_;
};
