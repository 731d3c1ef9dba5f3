#include "ui/tonight_window.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimeEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "astro/clock.h"
#include "astro/format.h"
#include "sky/app_settings.h"
#include "sky/search.h"
#include "sky/sky_doc.h"
#include "ui/screen_text.h"

namespace {

// A row that sorts its numeric columns by number and its times by instant.
class CTonightItem : public QTreeWidgetItem {
 public:
  using QTreeWidgetItem::QTreeWidgetItem;
  bool operator<(const QTreeWidgetItem& other) const override {
    const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
    const QVariant a = data(column, Qt::UserRole), b = other.data(column, Qt::UserRole);
    if (a.isValid() && b.isValid()) return a.toDouble() < b.toDouble();
    return text(column) < other.text(column);
  }
};

// A text of the night ahead as the window shows it.
QString Text(const std::string& s) { return ui::ScreenText(s); }

// The key of a night: its date and the observer's place and clock.
std::string NightKey(const CSkyDoc& doc) {
  const astro::CivilTime d = sky::EveningOf(doc.Sky.DocumentTime);
  const AppSettings& s = doc.Settings();
  return std::to_string(d.Year) + "-" + std::to_string(d.Month) + "-" + std::to_string(d.Day) +
         " " + std::to_string(doc.Sky.AstroState.Latitude) + " " +
         std::to_string(doc.Sky.AstroState.Longitude) + " " + s.TimeZoneId + " " +
         std::to_string(s.TimeZone) + " " + std::to_string(doc.Settings().Refraction);
}

}  // namespace

CTonightWindow::CTonightWindow(CSkyDoc& doc, CMessenger& messages, std::function<void()> changed,
                               QWidget* parent)
    : QDialog(parent), doc_(doc), messages_(messages), changed_(std::move(changed)) {
  setWindowTitle(tr("Tonight"));
  setObjectName(QStringLiteral("TonightWindow"));
  auto* layout = new QVBoxLayout(this);
  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("TonightSummary"));
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(summary_);
  layout->addWidget(new QLabel(tr("Planets in the night, each at its highest:"), this));
  tables_[0] = NewTable("TonightPlanets");
  layout->addWidget(tables_[0], 1);
  auto* hourRow = new QHBoxLayout;
  auto* hourLabel = new QLabel(tr("Objects above 30° at:"), this);
  hourEdit_ = new QTimeEdit(this);
  hourEdit_->setObjectName(QStringLiteral("TonightHour"));
  hourEdit_->setDisplayFormat(QStringLiteral("HH:mm"));
  hourLabel->setBuddy(hourEdit_);
  hourRow->addWidget(hourLabel);
  hourRow->addWidget(hourEdit_);
  hourRow->addStretch();
  layout->addLayout(hourRow);
  connect(hourEdit_, &QTimeEdit::editingFinished, this, [this] {
    const QTime t = hourEdit_->time();
    PickHour(t.hour(), t.minute());
  });
  tables_[1] = NewTable("TonightObjects");
  layout->addWidget(tables_[1], 2);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  // The plot of the row chosen last, in either table.
  QPushButton* plot = buttons->addButton(tr("Altitude &Plot"), QDialogButtonBox::ActionRole);
  plot->setObjectName(QStringLiteral("TonightAltitudePlot"));
  connect(plot, &QPushButton::clicked, this, [this] {
    QTreeWidgetItem* item = chosen_ ? chosen_->currentItem() : nullptr;
    if (item) emit AltitudePlotRequested(PlotTargetOf(*item));
  });
  layout->addWidget(buttons);
  resize(1060, 600);
  Follow();
}

QTreeWidget* CTonightWindow::NewTable(const char* name) {
  auto* table = new QTreeWidget(this);
  table->setObjectName(QString::fromLatin1(name));
  table->setRootIsDecorated(false);
  table->setColumnCount(kColumns);
  table->setHeaderLabels({tr("Name"), tr("Kind"), tr("Magnitude"), tr("Rise"), tr("Set"),
                          tr("Hour"), tr("Altitude"), tr("Azimuth")});
  table->setSortingEnabled(true);
  table->sortByColumn(kMagnitude, Qt::AscendingOrder);
  connect(table, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item, int) { Activate(item); });
  connect(table, &QTreeWidget::currentItemChanged, this, [this, table](QTreeWidgetItem* item) {
    if (item) chosen_ = table;
  });
  table->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(table, &QWidget::customContextMenuRequested, this, [this, table](const QPoint& at) {
    QTreeWidgetItem* item = table->itemAt(at);
    if (!item) return;
    table->setCurrentItem(item);
    QMenu menu(this);
    QAction* plot = menu.addAction(tr("Altitude &Plot"));
    QAction* slew = menu.addAction(tr("&Slew Telescope"));
    const QAction* chosen = menu.exec(table->viewport()->mapToGlobal(at));
    if (chosen == plot) emit AltitudePlotRequested(PlotTargetOf(*item));
    if (chosen == slew) emit SlewRequested(PlotTargetOf(*item));
  });
  return table;
}

void CTonightWindow::Follow() {
  const std::string key = NightKey(doc_);
  if (key == shownFor_) return;
  shownFor_ = key;
  Fill(std::nullopt);
}

void CTonightWindow::PickHour(int hour, int minute) {
  // Hours before noon belong to the morning after the date.
  const astro::CivilTime d = sky::EveningOf(doc_.Sky.DocumentTime);
  const std::int64_t clock =
      astro::SecondsOfCivil({d.Year, d.Month, d.Day, hour, minute, 0}) + (hour < 12 ? 86400 : 0);
  const sky::CivilInstant at =
      sky::ResolveLocalTime(ClockRulesOf(doc_.Settings()), astro::CivilOfSeconds(clock));
  Fill(sky::JulianDayOfSeconds(at.UtSeconds));
}

void CTonightWindow::Fill(std::optional<double> hour) {
  tonight_ = sky::TonightOf(doc_, hour);
  const sky::Tonight& t = tonight_;
  // The Moon's rising and setting in the order they come.
  QString moon = tr("Moonrise %1, moonset %2").arg(Text(t.Moonrise), Text(t.Moonset));
  if (t.MoonriseAt && t.MoonsetAt && *t.MoonsetAt < *t.MoonriseAt)
    moon = tr("Moonset %1, moonrise %2").arg(Text(t.Moonset), Text(t.Moonrise));
  summary_->setText(
      tr("Sunset %1; civil twilight ends %2, nautical %3, astronomical %4")
          .arg(Text(t.Sunset), Text(t.CivilDusk), Text(t.NauticalDusk), Text(t.AstronomicalDusk)) +
      "\n" +
      tr("%1; %2, illuminated %3")
          .arg(moon, Text(t.MoonPhase), Text(astro::FormatFixed(t.MoonIlluminated, 2))) +
      "\n" + tr("Dark hours without the Moon: %1").arg(Text(t.DarkHours)));
  const sky::CivilInstant at =
      sky::CivilTimeAt(ClockRulesOf(doc_.Settings()), sky::SecondsOfJulianDay(t.Hour));
  {
    const QSignalBlocker quiet(hourEdit_);
    hourEdit_->setTime(QTime(at.Clock.Hour, at.Clock.Minute));
  }
  for (int k = 0; k < 2; ++k) {
    QTreeWidget* table = tables_[k];
    const std::vector<sky::TonightRow>& list = k == 0 ? t.Planets : t.Objects;
    table->setSortingEnabled(false);
    table->clear();
    for (std::size_t i = 0; i < list.size(); ++i) {
      const sky::TonightRow& r = list[i];
      auto* item = new CTonightItem(table);
      item->setText(kName, Text(r.Name));
      item->setText(kKind, Text(r.Kind));
      item->setText(kMagnitude, Text(astro::FormatFixed(r.Magnitude, 1)));
      item->setData(kMagnitude, Qt::UserRole, r.Magnitude);
      item->setText(kRise, Text(r.Rise));
      item->setText(kSet, Text(r.Set));
      item->setText(kBest, Text(r.Best.empty() ? t.HourText : r.Best));
      item->setData(kBest, Qt::UserRole, r.Instant);
      item->setText(kAltitude, Text(astro::FormatFixed(r.Altitude, 1) + "\xC2\xB0"));
      item->setData(kAltitude, Qt::UserRole, r.Altitude);
      item->setText(kAzimuth, Text(astro::FormatFixed(r.Azimuth, 1) + "\xC2\xB0"));
      item->setData(kAzimuth, Qt::UserRole, r.Azimuth);
      // Where the row came from: its index in its list.
      item->setData(kName, Qt::UserRole + 2, static_cast<int>(i));
    }
    table->setSortingEnabled(true);
    for (int c = 0; c < kColumns; ++c) table->resizeColumnToContents(c);
  }
}

sky::PlotTarget CTonightWindow::PlotTargetOf(const QTreeWidgetItem& item) const {
  const std::vector<sky::TonightRow>& list =
      item.treeWidget() == tables_[0] ? tonight_.Planets : tonight_.Objects;
  const sky::TonightRow& row = list.at(item.data(kName, Qt::UserRole + 2).toInt());
  return {row.Name, row.Body, row.RaJ2000, row.DecJ2000};
}

void CTonightWindow::Activate(QTreeWidgetItem* item) {
  const std::vector<sky::TonightRow>& list =
      item->treeWidget() == tables_[0] ? tonight_.Planets : tonight_.Objects;
  const sky::TonightRow row = list.at(item->data(kName, Qt::UserRole + 2).toInt());
  doc_.SetInstant(sky::SecondsOfJulianDay(row.Instant));
  doc_.UpdateSky();
  // A planet is centred where it stands at that hour.
  const double ra = row.Body >= 0 ? doc_.Sky.Bodies[row.Body].RaJ2000 : row.RaJ2000;
  const double dec = row.Body >= 0 ? doc_.Sky.Bodies[row.Body].DecJ2000 : row.DecJ2000;
  CentreOn(doc_, messages_, ra, dec);
  if (changed_) changed_();
}
