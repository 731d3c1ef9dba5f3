#include "ui/list_search_dialog.h"

#include <QApplication>
#include <QCollator>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "res/qt_text.h"
#include "sky/constellation_names.h"
#include "sky/messages.h"
#include "sky/search.h"
#include "sky/sky_doc.h"
#include "ui/caption_width.h"

namespace {

// A list whose typing selects the entry a function finds for the text typed
// so far; a pause longer than the keyboard's input interval starts anew.
class CTypeAheadList : public QListWidget {
 public:
  using EntryOfTyped = std::function<int(std::string_view)>;
  CTypeAheadList(EntryOfTyped entryOf, QWidget* parent)
      : QListWidget(parent), entryOf_(std::move(entryOf)) {}

  void keyboardSearch(const QString& search) override {
    if (!entryOf_) {
      QListWidget::keyboardSearch(search);
      return;
    }
    if (search.isEmpty()) return;
    if (!sinceLastKey_.isValid() || sinceLastKey_.elapsed() > QApplication::keyboardInputInterval())
      typed_.clear();
    sinceLastKey_.start();
    typed_ += search;
    const int row = entryOf_(typed_.toStdString());
    if (row < 0) return;
    setCurrentRow(row);
    scrollToItem(currentItem(), QAbstractItemView::PositionAtCenter);
  }

 private:
  EntryOfTyped entryOf_;
  QString typed_;
  QElapsedTimer sinceLastKey_;
};

}  // namespace

CListSearchDialog::CListSearchDialog(CSkyDoc& doc, CMessenger& messages, int resourceId,
                                     const char* caption, const std::vector<std::string>& entries,
                                     int nothingSelectedMessage, PlaceOfEntry placeOf,
                                     QWidget* parent, EntryOfTyped entryOf)
    : QDialog(parent),
      doc_(doc),
      messages_(messages),
      nothingSelectedMessage_(nothingSelectedMessage),
      placeOf_(std::move(placeOf)),
      list_(new CTypeAheadList(std::move(entryOf), this)) {
  setObjectName(QStringLiteral("Dialog%1").arg(resourceId));
  setWindowTitle(tr(caption));
  setMinimumWidth(CaptionWidth(*this));
  list_->setObjectName(QStringLiteral("List1067"));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  // Thousands of entries (the NGC list) are laid out quickly when all are
  // known to be alike in height.
  list_->setUniformItemSizes(true);
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(entries.size()));
  for (const std::string& entry : entries) texts.append(QtText(entry));
  list_->addItems(texts);
  // A double click does what OK does; typing selects an entry (see
  // CTypeAheadList); Enter reaches the OK button.
  connect(list_, &QListWidget::itemDoubleClicked, this, &CListSearchDialog::OnOK);

  auto* buttons =
      new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &CListSearchDialog::OnOK);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(buttons);
  list_->setFocus();
}

void CListSearchDialog::ShowAs(const QStringList& rows) {
  for (int i = 0; i < list_->count() && i < rows.size(); ++i) {
    QListWidgetItem* item = list_->item(i);
    item->setData(Qt::UserRole, item->text());
    item->setText(rows[i]);
  }
}

QString CListSearchDialog::SelectedText() const {
  const QList<QListWidgetItem*> selected = list_->selectedItems();
  if (selected.isEmpty()) return {};
  const QVariant entry = selected.front()->data(Qt::UserRole);
  return entry.isValid() ? entry.toString() : selected.front()->text();
}

void CListSearchDialog::OnOK() {
  const QString text = SelectedText();
  if (text.isEmpty()) {
    messages_.Show(MessageIcon::Exclamation, TranslatedString(nothingSelectedMessage_));
    return;
  }
  const std::optional<astro::EquatorialCoord> place = placeOf_(text.toStdString());
  if (!place || !CentreOn(doc_, messages_, place->RightAscension, place->Declination)) return;
  doc_.Selected = sky::FindObjectByName(doc_, text.toStdString());
  accept();
}

CStarSearchDialog::CStarSearchDialog(CSkyDoc& doc, CMessenger& messages, QWidget* parent)
    : CListSearchDialog(
          doc, messages, 143, QT_TRANSLATE_NOOP("CListSearchDialog", "Search for star..."),
          StarSearchEntries(doc), res::IDS_SELECT_STAR,
          [&doc](std::string_view entry) { return StarSearchPlace(doc, entry); }, parent) {}

CConstellationSearchDialog::Rows CConstellationSearchDialog::NativeRows(const CSkyDoc& doc) {
  struct Row {
    std::string Latin;
    QString Shown;
  };
  std::vector<Row> rows;
  for (const std::string& latin : ConstellationSearchEntries()) {
    const char* text = sky::ConstellationCentreText(latin);
    const QString native =
        text ? QCoreApplication::translate(sky::kConstellationContext, text) : QtText(latin);
    const bool own =
        text && !doc.Settings().LatinConstellationNames && native != QString::fromUtf8(text);
    rows.push_back(
        {latin, own ? tr("%1 (%2)").arg(native, QString::fromUtf8(text)) : QtText(latin)});
  }
  QCollator collator;  // the window's language, QLocale's default
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  std::stable_sort(rows.begin(), rows.end(), [&collator](const Row& a, const Row& b) {
    return collator.compare(a.Shown, b.Shown) < 0;
  });
  Rows result;
  for (const Row& row : rows) {
    result.Entries.push_back(row.Latin);
    result.Shown.append(row.Shown);
  }
  return result;
}

CConstellationSearchDialog::CConstellationSearchDialog(CSkyDoc& doc, CMessenger& messages,
                                                       QWidget* parent)
    : CConstellationSearchDialog(doc, messages, NativeRows(doc), parent) {}

CConstellationSearchDialog::CConstellationSearchDialog(CSkyDoc& doc, CMessenger& messages,
                                                       const Rows& rows, QWidget* parent)
    : CListSearchDialog(
          doc, messages, 144, QT_TRANSLATE_NOOP("CListSearchDialog", "Search for constellation..."),
          rows.Entries, res::IDS_SELECT_CONSTELLATION, ConstellationSearchPlace, parent) {
  ShowAs(rows.Shown);
}

CNgcSearchDialog::CNgcSearchDialog(CSkyDoc& doc, CMessenger& messages, QWidget* parent)
    : CNgcSearchDialog(doc, messages, NgcSearchEntries(doc), parent) {}

CNgcSearchDialog::CNgcSearchDialog(CSkyDoc& doc, CMessenger& messages,
                                   const std::vector<std::string>& entries, QWidget* parent)
    : CListSearchDialog(
          doc, messages, 145, QT_TRANSLATE_NOOP("CListSearchDialog", "Search for NGC..."), entries,
          res::IDS_SELECT_NGC,
          [&doc](std::string_view entry) { return NgcSearchPlace(doc, entry); }, parent,
          // A copy: the list's texts are read from `entries` as well.
          [entries](std::string_view typed) { return NgcSearchMatch(entries, typed); }) {}
