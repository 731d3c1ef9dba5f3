#include "ui/goto_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "res/qt_text.h"
#include "sky/goto_target.h"
#include "sky/messages.h"
#include "sky/search.h"
#include "sky/sky_doc.h"
#include "ui/caption_width.h"

CGotoDialog::CGotoDialog(CSkyDoc& doc, CMessenger& messages, QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      messages_(messages),
      frame_(new QComboBox(this)),
      firstLabel_(new QLabel(this)),
      secondLabel_(new QLabel(this)),
      first_(new QLineEdit(this)),
      second_(new QLineEdit(this)) {
  setObjectName(QStringLiteral("GotoDialog"));
  setWindowTitle(tr("Go to Coordinates"));
  setMinimumWidth(CaptionWidth(*this));
  frame_->setObjectName(QStringLiteral("GotoFrame"));
  first_->setObjectName(QStringLiteral("GotoFirst"));
  second_->setObjectName(QStringLiteral("GotoSecond"));
  frame_->addItems({tr("J2000 right ascension and declination"),
                    tr("Right ascension and declination of date"), tr("Altitude and azimuth")});
  // The local-horizon view thinks in altitude and azimuth.
  frame_->setCurrentIndex(doc_.Settings().HorizonMode ? 2 : 0);
  const int wide = first_->fontMetrics().horizontalAdvance(QStringLiteral("-00\u00b000'00.0\"00"));
  first_->setMinimumWidth(wide);
  second_->setMinimumWidth(wide);
  firstLabel_->setBuddy(first_);
  secondLabel_->setBuddy(second_);

  auto* frameLabel = new QLabel(tr("&Frame:"), this);
  frameLabel->setBuddy(frame_);
  auto* form = new QFormLayout;
  form->addRow(frameLabel, frame_);
  form->addRow(firstLabel_, first_);
  form->addRow(secondLabel_, second_);

  auto* buttons =
      new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this);
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &CGotoDialog::OnOK);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(frame_, &QComboBox::currentIndexChanged, this, &CGotoDialog::ShowFrame);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  ShowFrame();
  first_->setFocus();
}

void CGotoDialog::ShowFrame() {
  const bool horizon = frame_->currentIndex() == 2;
  firstLabel_->setText(horizon ? tr("&Altitude:") : tr("&Right ascension:"));
  secondLabel_->setText(horizon ? tr("A&zimuth (from the north through the east):")
                                : tr("&Declination:"));
  first_->setPlaceholderText(horizon ? QStringLiteral("35\u00b030'") : QStringLiteral("5h35m17s"));
  second_->setPlaceholderText(horizon ? QStringLiteral("135\u00b0")
                                      : QStringLiteral("-5\u00b023'28\""));
}

void CGotoDialog::OnOK() {
  const auto frame = static_cast<sky::GotoFrame>(frame_->currentIndex());
  const sky::GotoEntry entry =
      sky::ReadGotoFields(frame, first_->text().toStdString(), second_->text().toStdString());
  if (!entry.Error.empty()) {
    messages_.Show(MessageIcon::Exclamation, QtTranslated("sky", entry.Error).toStdString());
    QLineEdit* wrong = entry.Wrong == sky::GotoField::Second ? second_ : first_;
    wrong->setFocus();
    wrong->selectAll();
    return;
  }
  const sky::GotoPlace place = sky::GotoPlaceOf(doc_, frame, entry);
  if (!CentreOn(doc_, messages_, place.RaJ2000, place.DecJ2000)) return;
  accept();
}
