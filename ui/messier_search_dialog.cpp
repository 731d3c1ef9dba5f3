#include "ui/messier_search_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "res/qt_text.h"
#include "res/strings.h"
#include "sky/messages.h"
#include "sky/search.h"
#include "sky/sky_doc.h"
#include "ui/caption_width.h"

CMessierSearchDialog::CMessierSearchDialog(CSkyDoc& doc, CMessenger& messages, QWidget* parent)
    : QDialog(parent), doc_(doc), messages_(messages), field_(new QLineEdit(this)) {
  setObjectName(QStringLiteral("Dialog146"));
  setWindowTitle(tr("Search for Messier..."));
  setMinimumWidth(CaptionWidth(*this));
  field_->setObjectName(QStringLiteral("Edit1069"));
  field_->setMaxLength(kMessierFieldLength);
  // Wide enough for the longest name the field takes, "M 110", and a little more.
  field_->setMinimumWidth(field_->fontMetrics().horizontalAdvance(QStringLiteral("M 1100")) + 12);

  auto* group = new QGroupBox(tr("Enter catalog number"), this);
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addWidget(field_);

  auto* buttons =
      new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &CMessierSearchDialog::OnOK);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(buttons);
  field_->setFocus();
}

void CMessierSearchDialog::OnOK() {
  const MessierSearchResult result = CheckMessierField(doc_, field_->text().toStdString());
  if (result.MessageId != 0) {
    messages_.Show(MessageIcon::Exclamation, TranslatedString(result.MessageId));
    return;
  }
  if (!CentreOn(doc_, messages_, result.Place.RightAscension, result.Place.Declination)) return;
  doc_.Selected = sky::SkyObjectRef{sky::SkyObjectRef::DeepSky, result.Index};
  accept();
}
