#include "ui/help_window.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "res/qt_text.h"
#include "ui/help_pages.h"

namespace {

constexpr int kPageRole = Qt::UserRole;  // item data: the page and section an item opens

struct Section {
  QString Id, Title;
};

struct Page {
  QString File, Title;
  std::vector<Section> Sections;  // the page's <h2> headings that carry an id
  std::vector<Section> Topics;    // its <h3> headings that carry an id, and its keywords
};

QString ReadText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The plain text of an HTML snippet, entities decoded, blanks folded.
QString PlainText(const QString& html) {
  return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

// The pages the contents page links to, in its order, each once, with their
// titles and sections.
std::vector<Page> ReadOutline(const QString& directory) {
  std::vector<Page> pages;
  static const QRegularExpression link(R"re(href="([^"#:/]+\.html)[#"])re");
  static const QRegularExpression title(R"(<title>(.*?)</title>)",
                                        QRegularExpression::DotMatchesEverythingOption);
  static const QRegularExpression heading(R"re(<h([23])[^>]*\bid="([^"]+)"[^>]*>(.*?)</h\1>)re",
                                          QRegularExpression::DotMatchesEverythingOption);
  // Index words of a page: <meta name="keywords" content="zoom#keys; mouse wheel#mouse">,
  // each word with the section it leads to, if any.
  static const QRegularExpression keywords(R"re(<meta name="keywords" content="([^"]*)")re");
  const QString contentsPage = QString::fromUtf8(ui::kHelpContentsPage);
  QStringList files{contentsPage};
  for (const auto& m : link.globalMatch(ReadText(directory + "/" + contentsPage)))
    if (!files.contains(m.captured(1))) files << m.captured(1);
  for (const QString& file : files) {
    const QString html = ReadText(directory + "/" + file);
    if (html.isEmpty()) continue;
    Page page{file, PlainText(title.match(html).captured(1)), {}, {}};
    for (const auto& m : heading.globalMatch(html))
      (m.captured(1) == "2" ? page.Sections : page.Topics)
          .push_back({m.captured(2), PlainText(m.captured(3))});
    for (const QString& word : keywords.match(html).captured(1).split(';', Qt::SkipEmptyParts))
      page.Topics.push_back({word.section('#', 1).trimmed(), word.section('#', 0, 0).trimmed()});
    pages.push_back(std::move(page));
  }
  return pages;
}

}  // namespace

CHelpWindow::CHelpWindow(const QString& directory, QWidget* parent)
    : QMainWindow(parent, Qt::Window), directory_(QDir(directory).absolutePath()) {
  setObjectName("HelpWindow");
  setWindowTitle(tr("Help"));
  resize(920, 680);

  browser_ = new QTextBrowser;
  browser_->setObjectName("HelpBrowser");
  browser_->setSearchPaths({directory_});
  browser_->setOpenExternalLinks(true);
  browser_->setWhatsThis(
      tr("The page of the guide. Click a link to follow it; Back (Alt+Left) "
         "and Forward (Alt+Right) retrace your steps."));

  contents_ = new QTreeWidget;
  contents_->setObjectName("HelpContents");
  contents_->setHeaderHidden(true);
  contents_->setWhatsThis(
      tr("The guide's pages in their order, each with its sections. Click one "
         "to read it."));
  indexFilter_ = new QLineEdit;
  indexFilter_->setObjectName("HelpIndexFilter");
  indexFilter_->setPlaceholderText(tr("Type a word to look for"));
  indexFilter_->setClearButtonEnabled(true);
  indexFilter_->setWhatsThis(
      tr("Type the start of a word: the index below keeps the entries that "
         "contain it. Enter opens the first one."));
  index_ = new QListWidget;
  index_->setObjectName("HelpIndex");
  index_->setWhatsThis(tr("Every topic of the guide in alphabetical order. Click one to read it."));
  auto* indexPane = new QWidget;
  auto* indexLayout = new QVBoxLayout(indexPane);
  indexLayout->setContentsMargins(0, 0, 0, 0);
  indexLayout->addWidget(indexFilter_);
  indexLayout->addWidget(index_);
  auto* tabs = new QTabWidget;
  tabs->addTab(contents_, tr("&Contents"));
  tabs->addTab(indexPane, tr("&Index"));
  connect(tabs, &QTabWidget::currentChanged, this, [this, indexPane](int) {
    if (indexPane->isVisible()) indexFilter_->setFocus();
  });

  auto* splitter = new QSplitter;
  splitter->addWidget(tabs);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({240, 680});
  setCentralWidget(splitter);

  QToolBar* bar = addToolBar(tr("Navigation"));
  bar->setObjectName("HelpToolBar");
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("&Back"));
  back->setShortcut(QKeySequence::Back);
  back->setWhatsThis(tr("Goes back to the page you read before."));
  back->setEnabled(false);
  QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("&Forward"));
  forward->setShortcut(QKeySequence::Forward);
  forward->setWhatsThis(tr("Goes forward again after Back."));
  forward->setEnabled(false);
  QAction* home = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("C&ontents"));
  home->setWhatsThis(tr("Goes to the guide's first page, the list of all its pages."));
  QAction* usingHelp =
      bar->addAction(style()->standardIcon(QStyle::SP_DialogHelpButton), tr("&Using Help"));
  usingHelp->setWhatsThis(tr("Explains this window."));
  connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
  connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  connect(home, &QAction::triggered, this,
          [this] { ShowPage(QString::fromUtf8(ui::kHelpContentsPage)); });
  connect(usingHelp, &QAction::triggered, this,
          [this] { ShowPage(QString::fromUtf8(ui::kUsingHelpPage)); });

  connect(browser_, &QTextBrowser::sourceChanged, this, &CHelpWindow::PageChanged);
  connect(contents_, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* item) { ShowPage(item->data(0, kPageRole).toString()); });
  connect(contents_, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* item) { ShowPage(item->data(0, kPageRole).toString()); });
  connect(index_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { ShowPage(item->data(kPageRole).toString()); });
  connect(index_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ShowPage(item->data(kPageRole).toString()); });
  connect(indexFilter_, &QLineEdit::textChanged, this, &CHelpWindow::FilterIndex);
  connect(indexFilter_, &QLineEdit::returnPressed, this, &CHelpWindow::OpenIndexEntry);

  BuildContentsAndIndex();
}

void CHelpWindow::BuildContentsAndIndex() {
  struct Entry {
    QString Text, Page, PageTitle;
  };
  std::vector<Entry> entries;
  for (const Page& page : ReadOutline(directory_)) {
    auto* item = new QTreeWidgetItem(contents_, {page.Title});
    item->setData(0, kPageRole, page.File);
    entries.push_back({page.Title, page.File, QString()});
    for (const Section& section : page.Sections) {
      auto* child = new QTreeWidgetItem(item, {section.Title});
      child->setData(0, kPageRole, page.File + "#" + section.Id);
    }
    for (const std::vector<Section>* list : {&page.Sections, &page.Topics})
      for (const Section& s : *list)
        entries.push_back(
            {s.Title, s.Id.isEmpty() ? page.File : page.File + "#" + s.Id, page.Title});
  }
  // The index in alphabetical order, leading articles aside; a topic that
  // several pages share names its page.
  const auto sortKey = [](const QString& text) {
    static const QRegularExpression article("^(a|an|the) ");
    return text.toLower().remove(article);
  };
  std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
    const int order = QString::localeAwareCompare(sortKey(a.Text), sortKey(b.Text));
    return order != 0 ? order < 0 : a.PageTitle < b.PageTitle;
  });
  // A heading and an index word that lead to the same place are one entry.
  entries.erase(std::unique(entries.begin(), entries.end(),
                            [](const Entry& a, const Entry& b) {
                              return a.Page == b.Page &&
                                     a.Text.compare(b.Text, Qt::CaseInsensitive) == 0;
                            }),
                entries.end());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Entry& e = entries[i];
    const auto same = [&](std::size_t j) {
      return entries[j].Text.compare(e.Text, Qt::CaseInsensitive) == 0;
    };
    const bool shared = (i > 0 && same(i - 1)) || (i + 1 < entries.size() && same(i + 1));
    auto* item = new QListWidgetItem(
        shared && !e.PageTitle.isEmpty() ? e.Text + " (" + e.PageTitle + ")" : e.Text, index_);
    item->setData(kPageRole, e.Page);
  }
}

void CHelpWindow::FilterIndex(const QString& text) {
  for (int i = 0; i < index_->count(); ++i)
    index_->item(i)->setHidden(!index_->item(i)->text().contains(text, Qt::CaseInsensitive));
}

void CHelpWindow::OpenIndexEntry() {
  for (int i = 0; i < index_->count(); ++i) {
    if (!index_->item(i)->isHidden()) {
      index_->setCurrentRow(i);
      ShowPage(index_->item(i)->data(kPageRole).toString());
      return;
    }
  }
}

void CHelpWindow::ShowPage(const QString& page) {
  const QString file = page.section('#', 0, 0);
  const QString section = page.section('#', 1);
  const QString path = directory_ + "/" + file;
  if (QFileInfo::exists(path)) {
    QUrl url = QUrl::fromLocalFile(path);
    if (!section.isEmpty()) url.setFragment(section);
    browser_->setSource(url);
  } else {
    browser_->setHtml(tr("<h1>Page not found</h1><p>The user guide has no page <b>%1</b>: the "
                         "folder <tt>%2</tt> should hold it. Installing Stellix again puts the "
                         "guide back.</p>")
                          .arg(file.toHtmlEscaped(), directory_.toHtmlEscaped()));
    setWindowTitle(tr("Help"));
  }
  show();
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
}

QString CHelpWindow::CurrentPage() const {
  const QUrl source = browser_->source();
  const QString file = QDir(directory_).relativeFilePath(source.toLocalFile());
  return source.hasFragment() ? file + "#" + source.fragment() : file;
}

void CHelpWindow::PageChanged(const QUrl& source) {
  // The application's name follows on the title bar.
  const QString title = browser_->documentTitle();
  setWindowTitle(title.isEmpty() ? tr("Help") : tr("Help: %1").arg(title));
  // The contents tree follows the page shown.
  const QString file = QFileInfo(source.toLocalFile()).fileName();
  for (int i = 0; i < contents_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = contents_->topLevelItem(i);
    if (item->data(0, kPageRole).toString() == file) {
      contents_->setCurrentItem(item);
      break;
    }
  }
}
