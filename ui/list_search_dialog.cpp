#include "ui/list_search_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>

#include "res/qt_text.h"
#include "sky/messages.h"
#include "sky/search.h"
#include "sky/sky_doc.h"
#include "ui/caption_width.h"

CListSearchDialog::CListSearchDialog(CSkyDoc& doc, CMessenger& messages, int resourceId,
                                     const char* caption, const std::vector<std::string>& entries,
                                     int nothingSelectedMessage, PlaceOfEntry placeOf,
                                     QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      messages_(messages),
      nothingSelectedMessage_(nothingSelectedMessage),
      placeOf_(std::move(placeOf)),
      list_(new QListWidget(this)) {
  setObjectName(QStringLiteral("Dialog%1").arg(resourceId));
  setWindowTitle(QString::fromUtf8(caption));
  setMinimumWidth(CaptionWidth(*this));
  list_->setObjectName(QStringLiteral("List1067"));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  for (const std::string& entry : entries) list_->addItem(QtText(entry));
  // A double click does what OK does; typing the start of an entry selects
  // it (the list's own keyboard search); Enter reaches the OK button.
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

QString CListSearchDialog::SelectedText() const {
  const QList<QListWidgetItem*> selected = list_->selectedItems();
  return selected.isEmpty() ? QString() : selected.front()->text();
}

void CListSearchDialog::OnOK() {
  const QString text = SelectedText();
  if (text.isEmpty()) {
    messages_.Show(MessageIcon::Exclamation, res::String(nothingSelectedMessage_));
    return;
  }
  const std::optional<astro::EquatorialCoord> place = placeOf_(text.toStdString());
  if (place && CentreOn(doc_, messages_, place->RightAscension, place->Declination)) accept();
}

CStarSearchDialog::CStarSearchDialog(CSkyDoc& doc, CMessenger& messages, QWidget* parent)
    : CListSearchDialog(
          doc, messages, 143, "Search for star...", StarSearchEntries(doc), res::IDS_SELECT_STAR,
          [&doc](std::string_view entry) { return StarSearchPlace(doc, entry); }, parent) {}

CConstellationSearchDialog::CConstellationSearchDialog(CSkyDoc& doc, CMessenger& messages,
                                                       QWidget* parent)
    : CListSearchDialog(doc, messages, 144, "Search for constellation...",
                        ConstellationSearchEntries(), res::IDS_SELECT_CONSTELLATION,
                        ConstellationSearchPlace, parent) {}

CNgcSearchDialog::CNgcSearchDialog(CSkyDoc& doc, CMessenger& messages, QWidget* parent)
    : CListSearchDialog(
          doc, messages, 145, "Search for NGC...", NgcSearchEntries(doc), res::IDS_SELECT_NGC,
          [&doc](std::string_view entry) { return NgcSearchPlace(doc, entry); }, parent) {}
