#include "ui/fields_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "render/sky_view.h"
#include "res/qt_text.h"
#include "sky/messages.h"
#include "sky/sky_doc.h"
#include "ui/screen_text.h"

namespace {

QString Latin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Text(const QLineEdit* box) { return box->text().toLatin1().toStdString(); }

}  // namespace

CFieldsDialog::CFieldsDialog(CSkyDoc& doc, CSkyView& view, CMessenger& messages, QWidget* parent)
    : QDialog(parent), doc_(doc), view_(view), messages_(messages), fields_(doc.Settings().Fields) {
  setObjectName("FieldsDialog");
  setWindowTitle(tr("Eyepiece Fields"));

  list_ = new QListWidget(this);
  list_->setObjectName("FieldList");
  auto* add = new QPushButton(tr("&Add"), this);
  auto* change = new QPushButton(tr("&Change"), this);
  auto* remove = new QPushButton(tr("&Remove"), this);
  add->setObjectName("AddField");
  change->setObjectName("ChangeField");
  remove->setObjectName("RemoveField");
  for (QPushButton* button : {add, change, remove}) button->setAutoDefault(false);

  name_ = new QLineEdit(this);
  name_->setObjectName("FieldName");
  name_->setMaxLength(static_cast<int>(sky::kMaxFieldNameLength));
  kind_ = new QComboBox(this);
  kind_->setObjectName("FieldKind");
  kind_->addItems({tr("Circle of a given diameter"), tr("Eyepiece on a telescope"),
                   tr("Camera on a telescope")});
  const auto box = [this](const char* name) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    return edit;
  };
  diameter_ = box("Diameter");
  telescope_ = box("TelescopeFocal");
  eyepiece_ = box("EyepieceFocal");
  apparent_ = box("ApparentField");
  sensorWidth_ = box("SensorWidth");
  sensorHeight_ = box("SensorHeight");
  size_ = new QLabel(this);
  size_->setObjectName("FieldSize");

  form_ = new QFormLayout;
  form_->addRow(tr("&Name:"), name_);
  form_->addRow(tr("&Kind:"), kind_);
  form_->addRow(tr("&Diameter (arc-minutes):"), diameter_);
  form_->addRow(tr("&Telescope focal length (mm):"), telescope_);
  form_->addRow(tr("&Eyepiece focal length (mm):"), eyepiece_);
  form_->addRow(tr("A&pparent field (\u00b0):"), apparent_);
  form_->addRow(tr("Sensor &width (mm):"), sensorWidth_);
  form_->addRow(tr("Sensor &height (mm):"), sensorHeight_);
  form_->addRow(tr("Field on the sky:"), size_);

  auto* listButtons = new QVBoxLayout;
  for (QPushButton* button : {add, change, remove}) listButtons->addWidget(button);
  listButtons->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(list_);
  top->addLayout(listButtons);
  top->addLayout(form_);
  onTelescope_ =
      new QCheckBox(tr("Centre the &fields on the telescope while one is connected"), this);
  onTelescope_->setObjectName("FieldsOnTelescope");
  onTelescope_->setChecked(doc.Settings().FieldsOnTelescope == 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(onTelescope_);
  layout->addWidget(buttons);

  connect(buttons, &QDialogButtonBox::accepted, this, &CFieldsDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CFieldsDialog::reject);
  connect(add, &QPushButton::clicked, this, &CFieldsDialog::Add);
  connect(change, &QPushButton::clicked, this, &CFieldsDialog::Change);
  connect(remove, &QPushButton::clicked, this, &CFieldsDialog::Remove);
  connect(list_, &QListWidget::currentRowChanged, this, &CFieldsDialog::ShowField);
  connect(kind_, &QComboBox::currentIndexChanged, this, [this] {
    edited_ = true;
    ShowKind();
  });
  for (QLineEdit* edit :
       {name_, diameter_, telescope_, eyepiece_, apparent_, sensorWidth_, sensorHeight_})
    connect(edit, &QLineEdit::textEdited, this, [this] {
      edited_ = true;
      ShowSize();
    });

  // A new field starts from the numbers of a common eyepiece.
  const sky::FieldTexts texts = sky::TextsOf(sky::EyepieceField{});
  diameter_->setText(ui::ScreenNumber(texts.Diameter));
  telescope_->setText(ui::ScreenNumber(texts.TelescopeFocal));
  eyepiece_->setText(ui::ScreenNumber(texts.EyepieceFocal));
  apparent_->setText(ui::ScreenNumber(texts.ApparentField));
  sensorWidth_->setText(ui::ScreenNumber(texts.SensorWidth));
  sensorHeight_->setText(ui::ScreenNumber(texts.SensorHeight));
  kind_->setCurrentIndex(static_cast<int>(texts.Kind));
  FillList(-1);
  ShowKind();
  edited_ = false;
  name_->setFocus();
}

void CFieldsDialog::FillList(int current) {
  const QSignalBlocker quiet(list_);
  list_->clear();
  for (const sky::EyepieceField& field : fields_)
    list_->addItem(Latin1(field.Name) + QStringLiteral("  (") +
                   ui::ScreenText(sky::FieldSizeText(field)) + QStringLiteral(")"));
  list_->setCurrentRow(current);
}

void CFieldsDialog::ShowField(int row) {
  if (row < 0 || row >= static_cast<int>(fields_.size())) return;
  const sky::FieldTexts texts = sky::TextsOf(fields_[row]);
  name_->setText(Latin1(texts.Name));
  kind_->setCurrentIndex(static_cast<int>(texts.Kind));
  diameter_->setText(ui::ScreenNumber(texts.Diameter));
  telescope_->setText(ui::ScreenNumber(texts.TelescopeFocal));
  eyepiece_->setText(ui::ScreenNumber(texts.EyepieceFocal));
  apparent_->setText(ui::ScreenNumber(texts.ApparentField));
  sensorWidth_->setText(ui::ScreenNumber(texts.SensorWidth));
  sensorHeight_->setText(ui::ScreenNumber(texts.SensorHeight));
  ShowKind();
  edited_ = false;
}

void CFieldsDialog::ShowKind() {
  const auto kind = static_cast<sky::FieldKind>(kind_->currentIndex());
  using sky::FieldKind;
  form_->setRowVisible(diameter_, kind == FieldKind::Circle);
  form_->setRowVisible(telescope_, kind != FieldKind::Circle);
  form_->setRowVisible(eyepiece_, kind == FieldKind::Eyepiece);
  form_->setRowVisible(apparent_, kind == FieldKind::Eyepiece);
  form_->setRowVisible(sensorWidth_, kind == FieldKind::Camera);
  form_->setRowVisible(sensorHeight_, kind == FieldKind::Camera);
  ShowSize();
}

sky::FieldTexts CFieldsDialog::TextsOfBoxes() const {
  sky::FieldTexts texts;
  texts.Name = Text(name_);
  texts.Kind = static_cast<sky::FieldKind>(kind_->currentIndex());
  texts.Diameter = ui::TypedNumber(diameter_->text());
  texts.TelescopeFocal = ui::TypedNumber(telescope_->text());
  texts.EyepieceFocal = ui::TypedNumber(eyepiece_->text());
  texts.ApparentField = ui::TypedNumber(apparent_->text());
  texts.SensorWidth = ui::TypedNumber(sensorWidth_->text());
  texts.SensorHeight = ui::TypedNumber(sensorHeight_->text());
  return texts;
}

void CFieldsDialog::ShowSize() {
  sky::FieldTexts texts = TextsOfBoxes();
  texts.Name = "-";  // the size does not depend on the name
  sky::EyepieceField field;
  size_->setText(sky::FieldFromTexts(texts, field).empty()
                     ? ui::ScreenText(sky::FieldSizeText(field))
                     : QStringLiteral("-"));
}

bool CFieldsDialog::FieldOfBoxes(sky::EyepieceField& field) {
  const std::string fault = sky::FieldFromTexts(TextsOfBoxes(), field);
  if (fault.empty()) return true;
  messages_.Show(MessageIcon::Exclamation, fault);
  return false;
}

bool CFieldsDialog::Add() {
  if (fields_.size() >= sky::kMaxEyepieceFields) {
    messages_.Show(
        MessageIcon::Exclamation,
        TranslatedFormat(res::IDS_FIELDS_FULL, {std::to_string(sky::kMaxEyepieceFields)}));
    return false;
  }
  sky::EyepieceField field;
  if (!FieldOfBoxes(field)) return false;
  fields_.push_back(field);
  FillList(static_cast<int>(fields_.size()) - 1);
  edited_ = false;
  return true;
}

bool CFieldsDialog::Change() {
  const int row = list_->currentRow();
  if (row < 0 || row >= static_cast<int>(fields_.size())) return Add();
  sky::EyepieceField field = fields_[row];
  if (!FieldOfBoxes(field)) return false;
  fields_[row] = field;
  FillList(row);
  edited_ = false;
  return true;
}

void CFieldsDialog::Remove() {
  const int row = list_->currentRow();
  if (row < 0 || row >= static_cast<int>(fields_.size())) return;
  fields_.erase(fields_.begin() + row);
  FillList(std::min(row, static_cast<int>(fields_.size()) - 1));
  ShowField(list_->currentRow());
  edited_ = false;
}

void CFieldsDialog::accept() {
  if (edited_ && !Change()) return;
  doc_.Settings().Fields = fields_;
  doc_.Settings().EyepieceFields = 1;
  doc_.Settings().FieldsOnTelescope = onTelescope_->isChecked() ? 1 : 0;
  QDialog::accept();
  view_.Redraw();
}
