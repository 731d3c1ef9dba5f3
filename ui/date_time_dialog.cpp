#include "ui/date_time_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <utility>

#include "render/sky_view.h"
#include "res/qt_text.h"
#include "sky/civil_time.h"
#include "sky/sky_doc.h"
#include "ui/chart_settings_form.h"
#include "ui/date_time_form.h"
#include "ui/screen_text.h"

namespace {

// A date or time field that takes a whole date or time typed over its text.
// Qt's field edits one section at a time: a key over a selection of several
// sections is refused, and after a section filled by typing has moved on to
// the next one, the separator typed next moves on once more ("15 Jul 2026"
// would put "Jul" into the year).
template <class Edit>
class CTypedOverEdit : public Edit {
 public:
  using Edit::Edit;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const QString text = event->text();
    if (text.isEmpty() || !text.front().isPrint()) {
      movedOn_ = false;
      return Edit::keyPressEvent(event);
    }
    // Typing over several sections begins in the first of them.
    QLineEdit* line = this->lineEdit();
    if (line->selectedText().size() > this->sectionText(this->currentSection()).size()) {
      line->setCursorPosition(line->selectionStart());
      this->setSelectedSection(this->currentSection());
    }
    if (!text.front().isLetterOrNumber()) {
      if (std::exchange(movedOn_, false)) return;  // the field is there already
      return Edit::keyPressEvent(event);
    }
    const int section = this->currentSectionIndex();
    Edit::keyPressEvent(event);
    movedOn_ = this->currentSectionIndex() != section;
  }

 private:
  bool movedOn_ = false;  // the last key filled its section and moved on to the next
};

}  // namespace

CDateTimeDialog::CDateTimeDialog(CSkyDoc& doc, CSkyView& view, QWidget* parent)
    : QDialog(parent), doc_(doc), view_(view) {
  setObjectName("DateTimeDialog");
  setWindowTitle(tr("Date/Time..."));

  date_ = new CTypedOverEdit<QDateEdit>(this);
  date_->setObjectName("Date");
  date_->setCalendarPopup(true);
  date_->setDisplayFormat(
      QtText(ui::FourDigitYearFormat(QLocale().dateFormat(QLocale::ShortFormat).toStdString())));
  date_->setDateRange(QDate(ui::kFirstYear, 1, 1), QDate(ui::kLastYear, 12, 31));

  time_ = new CTypedOverEdit<QTimeEdit>(this);
  time_->setObjectName("Time");
  time_->setDisplayFormat(QStringLiteral("HH:mm:ss"));
  const astro::CivilTime& t = doc_.Sky.DocumentTime;
  date_->setDate(QDate(t.Year, t.Month, t.Day));
  time_->setTime(QTime(t.Hour, t.Minute, t.Second));

  daylightSaving_ = new QCheckBox(tr("Daylight &saving time"), this);
  daylightSaving_->setObjectName("DaylightSavingTime");
  daylightSaving_->setChecked(doc_.Settings().DaylightSavingTime == 1);
  // A city's clock follows its zone's rules: the box only tells them.
  daylightSaving_->setEnabled(doc_.Settings().TimeZoneId.empty());

  offset_ = new QLabel(this);
  offset_->setObjectName("OffsetInForce");
  clockChange_ = new QLabel(this);
  clockChange_->setObjectName("ClockChange");
  clockChange_->setWordWrap(true);
  // Shown by Now...: the present time may differ from the one shown by
  // seconds only, and the sky moves only with OK.
  nowNote_ = new QLabel(tr("Set to the present time at this place; OK shows its sky."), this);
  nowNote_->setObjectName("NowNote");
  nowNote_->setWordWrap(true);
  nowNote_->hide();
  connect(date_, &QDateEdit::dateChanged, this, &CDateTimeDialog::ShowOffset);
  connect(time_, &QTimeEdit::timeChanged, this, &CDateTimeDialog::ShowOffset);
  connect(daylightSaving_, &QCheckBox::toggled, this, &CDateTimeDialog::ShowOffset);

  auto* now = new QPushButton(tr("&Now..."), this);
  now->setObjectName("Now");
  now->setAutoDefault(false);
  connect(now, &QPushButton::clicked, this, &CDateTimeDialog::OnNow);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &CDateTimeDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CDateTimeDialog::reject);

  auto* form = new QFormLayout;
  form->addRow(tr("&Date:"), date_);
  form->addRow(tr("&Time:"), time_);
  form->addRow(daylightSaving_);
  form->addRow(tr("Offset:"), offset_);
  form->addRow(clockChange_);
  form->addRow(now);
  form->addRow(nowNote_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  // Wide enough for the window manager to show the whole caption.
  QFont bold = font();
  bold.setBold(true);
  layout->addStrut(QFontMetrics(bold).horizontalAdvance(windowTitle()) +
                   8 * fontMetrics().height());
  layout->setSizeConstraint(QLayout::SetFixedSize);
  clockChange_->setFixedWidth(layout->sizeHint().width());
  nowNote_->setFixedWidth(clockChange_->width());
  ShowOffset();
  date_->setFocus();
}

void CDateTimeDialog::ShowOffset() {
  nowNote_->hide();  // a time changed since Now... is the user's own
  const QDate d = date_->date();
  const QTime t = time_->time();
  const ui::ClockPreview preview =
      ui::PreviewClock(ClockRulesOf(doc_.Settings()), daylightSaving_->isChecked(),
                       {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()});
  offset_->setText(QtText(preview.Offset));
  clockChange_->setText(ui::TranslatedText(preview.Change));
  clockChange_->setVisible(!preview.Change.empty());
  if (!doc_.Settings().TimeZoneId.empty() && daylightSaving_->isChecked() != preview.SummerTime) {
    const QSignalBlocker block(daylightSaving_);
    daylightSaving_->setChecked(preview.SummerTime);
  }
}

void CDateTimeDialog::OnNow() {
  sky::ClockRules rules = ClockRulesOf(doc_.Settings());
  rules.SummerTimeOption = daylightSaving_->isChecked();
  const astro::CivilTime now = sky::CivilTimeAt(rules, QDateTime::currentSecsSinceEpoch()).Clock;
  date_->setDate(QDate(now.Year, now.Month, now.Day));
  time_->setTime(QTime(now.Hour, now.Minute, now.Second));
  nowNote_->show();
}

void CDateTimeDialog::accept() {
  const QDate d = date_->date();
  const QTime t = time_->time();
  doc_.Sky.DocumentTime = {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
  if (doc_.Settings().TimeZoneId.empty())
    doc_.Settings().DaylightSavingTime = daylightSaving_->isChecked() ? 1 : 0;
  doc_.UpdateSky();
  QDialog::accept();
  view_.Redraw();
}
