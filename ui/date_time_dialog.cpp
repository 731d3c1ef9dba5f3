#include "ui/date_time_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLocale>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "render/sky_view.h"
#include "res/qt_text.h"
#include "sky/sky_doc.h"
#include "ui/chart_settings_form.h"

CDateTimeDialog::CDateTimeDialog(CSkyDoc& doc, CSkyView& view, QWidget* parent)
    : QDialog(parent), doc_(doc), view_(view) {
  setObjectName("DateTimeDialog");
  setWindowTitle(QStringLiteral("Date/Time..."));

  date_ = new QDateEdit(this);
  date_->setObjectName("Date");
  date_->setCalendarPopup(true);
  date_->setDisplayFormat(
      QtText(ui::FourDigitYearFormat(QLocale().dateFormat(QLocale::ShortFormat).toStdString())));
  date_->setDateRange(QDate(ui::kFirstYear, 1, 1), QDate(ui::kLastYear, 12, 31));

  time_ = new QTimeEdit(this);
  time_->setObjectName("Time");
  time_->setDisplayFormat(QStringLiteral("HH:mm:ss"));
  const astro::CivilTime& t = doc_.DocumentTime;
  date_->setDate(QDate(t.Year, t.Month, t.Day));
  time_->setTime(QTime(t.Hour, t.Minute, t.Second));

  daylightSaving_ = new QCheckBox(QStringLiteral("Daylight &saving time"), this);
  daylightSaving_->setObjectName("DaylightSavingTime");
  daylightSaving_->setChecked(doc_.Settings.DaylightSavingTime == 1);

  auto* now = new QPushButton(QStringLiteral("&Now..."), this);
  now->setObjectName("Now");
  now->setAutoDefault(false);
  connect(now, &QPushButton::clicked, this, &CDateTimeDialog::OnNow);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &CDateTimeDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CDateTimeDialog::reject);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Date:"), date_);
  form->addRow(QStringLiteral("&Time:"), time_);
  form->addRow(daylightSaving_);
  form->addRow(now);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  // Wide enough for the window manager to show the whole caption.
  QFont bold = font();
  bold.setBold(true);
  layout->addStrut(QFontMetrics(bold).horizontalAdvance(windowTitle()) +
                   8 * fontMetrics().height());
  layout->setSizeConstraint(QLayout::SetFixedSize);
  date_->setFocus();
}

void CDateTimeDialog::OnNow() {
  const QDateTime now = QDateTime::currentDateTime();
  date_->setDate(now.date());
  time_->setTime(now.time());
}

void CDateTimeDialog::accept() {
  const QDate d = date_->date();
  const QTime t = time_->time();
  doc_.DocumentTime = {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
  doc_.Settings.DaylightSavingTime = daylightSaving_->isChecked() ? 1 : 0;
  doc_.UpdateSky();
  QDialog::accept();
  view_.update();
}
