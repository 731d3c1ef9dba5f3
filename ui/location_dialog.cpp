#include "ui/location_dialog.h"

#include <QAbstractSpinBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyleOptionSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <functional>

#include "render/bmp_reader.h"
#include "render/sky_view.h"
#include "res/qt_text.h"
#include "sky/civil_time.h"
#include "sky/messages.h"
#include "sky/night_vision.h"
#include "sky/places.h"
#include "sky/sky_doc.h"
#include "ui/night_vision.h"
#include "ui/screen_text.h"

namespace {

constexpr const char* kWorldMapFile = "worldmap.bmp";

// A decoded bitmap (rows bottom-up) as a Qt image (rows top-down).
QImage ToQImage(const render::TextureImage& bitmap) {
  QImage image(bitmap.Width, bitmap.Height, QImage::Format_RGB888);
  const int rowBytes = bitmap.Width * 3;
  for (int y = 0; y < bitmap.Height; ++y)
    std::copy_n(&bitmap.Pixels[static_cast<std::size_t>(bitmap.Height - 1 - y) * rowBytes],
                rowBytes, image.scanLine(y));
  return image;
}

}  // namespace

// The map area: the world map with its margin, and the marker on it. Sizes
// are in device-independent pixels, so on a high-DPI screen the map grows
// with the rest of the dialog.
class CWorldMap : public QWidget {
 public:
  // In night vision the map and its marker are in night-vision reds.
  CWorldMap(const QImage& map, bool nightVision, QWidget* parent)
      : QWidget(parent),
        map_(nightVision && !map.isNull() ? ui::NightVisionImage(map) : map),
        nightVision_(nightVision) {
    setObjectName("WorldMap");
    setFixedSize(2 * ui::kMapLeft + ui::kMapWidth, 2 * ui::kMapTop + ui::kMapHeight);
    setCursor(Qt::CrossCursor);
  }

  bool HasMap() const { return !map_.isNull(); }
  ui::MapPoint Marker() const { return marker_; }
  void SetMarker(ui::MapPoint marker) { marker_ = marker; }
  std::function<void(ui::MapPoint)> Clicked;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QRect area(ui::kMapLeft, ui::kMapTop, ui::kMapWidth, ui::kMapHeight);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(area.adjusted(-1, -1, 0, 0));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (HasMap())
      painter.drawImage(area, map_);
    else
      painter.fillRect(
          area, nightVision_ ? QColor(sky::kNightVisionMinRed, 0, 0) : QColor(0x40, 0x40, 0x40));
    // The marker is part of the map picture: nothing of it shows beside the map.
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF marker(marker_.X - ui::kMarkerOffset, marker_.Y - ui::kMarkerOffset,
                        ui::kMarkerSize, ui::kMarkerSize);
    painter.setPen(QPen(nightVision_ ? Qt::black : Qt::white, 1.5));
    painter.setBrush(QColor(nightVision_ ? sky::kNightVisionMaxRed : 255, 0, 0));
    painter.drawEllipse(marker.adjusted(1, 1, -1, -1));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawPoint(QPointF(marker_.X + 0.5, marker_.Y + 0.5));
  }

  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    const QPointF p = event->position();
    if (Clicked)
      Clicked({static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))});
  }

 private:
  QImage map_;
  bool nightVision_;
  ui::MapPoint marker_;
};

// A hemisphere letter with an up-down: any step, up or down, gives the other
// letter; typing one of the two letters sets it.
class CHemisphereBox : public QAbstractSpinBox {
 public:
  CHemisphereBox(QString first, QString second, QWidget* parent)
      : QAbstractSpinBox(parent), first_(std::move(first)), second_(std::move(second)) {
    lineEdit()->setReadOnly(true);
    lineEdit()->setMaxLength(1);
    setAlignment(Qt::AlignCenter);
  }

  QString Hemisphere() const { return lineEdit()->text(); }
  void SetHemisphere(const QString& letter) { lineEdit()->setText(letter); }

  // Called when the user changes the letter.
  std::function<void()> Changed;

  void stepBy(int steps) override {
    if (steps == 0) return;
    SetHemisphere(QtText(ui::ToggleHemisphere(Hemisphere().toStdString())));
    if (Changed) Changed();
  }

  QSize sizeHint() const override {
    ensurePolished();
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QSize text(fontMetrics().horizontalAdvance(QStringLiteral("WW")),
                     lineEdit()->sizeHint().height());
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, text, this);
  }
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

  void keyPressEvent(QKeyEvent* event) override {
    const QString letter = event->text().toUpper();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (plain && (letter == first_ || letter == second_)) {
      const bool changed = letter != Hemisphere();
      SetHemisphere(letter);
      if (changed && Changed) Changed();
    } else
      QAbstractSpinBox::keyPressEvent(event);
  }

 private:
  QString first_, second_;
};

namespace {

QLineEdit* NumberEdit(const char* name, int maxLength, const QString& widest, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setMaxLength(maxLength);
  edit->setAlignment(Qt::AlignRight);
  edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(widest) + 16);
  return edit;
}

}  // namespace

CLocationDialog::CLocationDialog(CSkyDoc& doc, CSkyView& view, CMessenger& messages,
                                 QWidget* parent)
    : QDialog(parent), doc_(doc), view_(view), messages_(messages) {
  setObjectName("LocationDialog");
  setWindowTitle(tr("Observer's Location..."));

  render::TextureImage bitmap;
  const render::BitmapError error =
      render::ReadBitmapFile(doc_.Files().Path(kWorldMapFile).c_str(), bitmap);
  if (error != render::BitmapError::None)
    messages_.Show(MessageIcon::Stop, render::BitmapErrorMessage(error, kWorldMapFile));
  map_ = new CWorldMap(error == render::BitmapError::None ? ToQImage(bitmap) : QImage(),
                       doc_.Run.RedScreen != 0, this);
  map_->Clicked = [this](ui::MapPoint p) { OnMapClicked(p); };

  name_ = new QLineEdit(this);
  name_->setObjectName("LocationName");
  name_->setMaxLength(48);
  auto* nameLabel = new QLabel(tr("&Enter your location"), this);
  nameLabel->setBuddy(name_);

  latDeg_ = NumberEdit("LatitudeDegrees", 2, "00", this);
  latMin_ = NumberEdit("LatitudeMinutes", 2, "00", this);
  ns_ = new CHemisphereBox("N", "S", this);
  ns_->setObjectName("LatitudeHemisphere");
  longDeg_ = NumberEdit("LongitudeDegrees", 3, "000", this);
  longMin_ = NumberEdit("LongitudeMinutes", 2, "00", this);
  ew_ = new CHemisphereBox("E", "W", this);
  ew_->setObjectName("LongitudeHemisphere");
  timeZone_ = NumberEdit("TimeZone", 5, "-00.0", this);

  auto* coordinates = new QGridLayout;
  const auto addRow = [&](int row, const QString& label, QLineEdit* degrees, QLineEdit* minutes,
                          CHemisphereBox* hemisphere) {
    auto* text = new QLabel(label, this);
    text->setBuddy(degrees);
    coordinates->addWidget(text, row, 0);
    coordinates->addWidget(degrees, row, 1);
    coordinates->addWidget(new QLabel(QStringLiteral("\u00b0"), this), row, 2);
    coordinates->addWidget(minutes, row, 3);
    coordinates->addWidget(new QLabel(QStringLiteral("'"), this), row, 4);
    coordinates->addWidget(hemisphere, row, 5);
  };
  addRow(0, tr("L&atitude:"), latDeg_, latMin_, ns_);
  addRow(1, tr("Lo&ngitude:"), longDeg_, longMin_, ew_);
  auto* zoneLabel = new QLabel(tr("&Time zone:"), this);
  zoneLabel->setBuddy(timeZone_);
  coordinates->addWidget(zoneLabel, 2, 0);
  coordinates->addWidget(timeZone_, 2, 1);
  coordinates->addWidget(new QLabel(tr("hours ahead of Greenwich"), this), 2, 2, 1, 5);
  coordinates->setColumnStretch(6, 1);

  zone_ = new QLabel(this);
  zone_->setObjectName("Zone");
  zone_->setWordWrap(true);
  auto* zoneTitle = new QLabel(tr("Time zone rules:"), this);
  coordinates->addWidget(zoneTitle, 3, 0, Qt::AlignTop);
  coordinates->addWidget(zone_, 3, 1, 1, 6);
  // Nudged coordinates keep the place's zone; an offset typed by hand drops it.
  for (const ui::LocationField field :
       {ui::LocationField::LatDeg, ui::LocationField::LatMin, ui::LocationField::LongDeg,
        ui::LocationField::LongMin, ui::LocationField::TimeZone})
    connect(EditFor(field), &QLineEdit::textEdited, this,
            [this, field] { SetZone(ui::ZoneAfterEdit(zoneId_, field)); });

  search_ = new QLineEdit(this);
  search_->setObjectName("CitySearch");
  search_->setClearButtonEnabled(true);
  search_->setPlaceholderText(
      tr("Type part of a name (%n places)", "", static_cast<int>(doc_.Catalogues.Places.size())));
  // Room for the whole prompt, which runs longer in some languages.
  search_->setMinimumWidth(search_->fontMetrics().horizontalAdvance(search_->placeholderText()) +
                           search_->fontMetrics().height() * 3);
  auto* searchLabel = new QLabel(tr("Fin&d:"), this);
  searchLabel->setBuddy(search_);
  connect(search_, &QLineEdit::textChanged, this, &CLocationDialog::FillCities);

  cities_ = new QListWidget(this);
  cities_->setObjectName("Cities");
  cities_->setSelectionMode(QAbstractItemView::SingleSelection);
  cities_->setUniformItemSizes(true);
  int widest = 0;
  for (const catalog::Place& place : doc_.Catalogues.Places)
    widest = std::max(widest, cities_->fontMetrics().horizontalAdvance(QtText(place.Name)));
  // Every name fits without a horizontal scroll bar.
  cities_->setMinimumWidth(std::min(widest, 30 * cities_->fontMetrics().averageCharWidth()) +
                           style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                           2 * cities_->frameWidth() + 12);
  // The list is sorted by name without regard to letter case.
  std::vector<std::pair<QString, int>> keys;
  for (std::size_t i = 0; i < doc_.Catalogues.Places.size(); ++i)
    keys.emplace_back(QtText(doc_.Catalogues.Places[i].Name).toCaseFolded(), static_cast<int>(i));
  std::stable_sort(keys.begin(), keys.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& key : keys) order_.push_back(key.second);
  FillCities({});
  auto* citiesLabel = new QLabel(tr("&Select location"), this);
  citiesLabel->setBuddy(cities_);
  connect(cities_, &QListWidget::itemSelectionChanged, this, &CLocationDialog::OnCitySelected);
  connect(cities_, &QListWidget::itemDoubleClicked, this, &CLocationDialog::accept);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &CLocationDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CLocationDialog::reject);

  auto* left = new QVBoxLayout;
  left->addWidget(map_);
  left->addWidget(nameLabel);
  left->addWidget(name_);
  left->addLayout(coordinates);
  left->addStretch(1);
  auto* right = new QVBoxLayout;
  auto* searchRow = new QHBoxLayout;
  searchRow->addWidget(searchLabel);
  searchRow->addWidget(search_, 1);
  right->addLayout(searchRow);
  right->addWidget(citiesLabel);
  right->addWidget(cities_, 1);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns, 1);
  layout->addWidget(buttons);

  // The keyboard goes through the dialog in reading order.
  setTabOrder(name_, latDeg_);
  setTabOrder(latDeg_, latMin_);
  setTabOrder(latMin_, ns_);
  setTabOrder(ns_, longDeg_);
  setTabOrder(longDeg_, longMin_);
  setTabOrder(longMin_, ew_);
  setTabOrder(ew_, timeZone_);
  setTabOrder(timeZone_, search_);
  setTabOrder(search_, cities_);
  setTabOrder(cities_, buttons);
  name_->setFocus();

  const ui::LocationFields present = ui::FieldsFromSettings(doc_.Settings());
  name_->setText(QtText(present.Name));
  ShowCoordinates(present);
  map_->SetMarker(ui::MarkerFromSettings(doc_.Settings()));
}

void CLocationDialog::FillCities(const QString& text) {
  // Filling selects nothing: the fields keep what they show.
  const QSignalBlocker block(cities_);
  cities_->clear();
  std::vector<bool> found(doc_.Catalogues.Places.size(), false);
  for (int i : sky::SearchPlaces(doc_.Catalogues.Places, text.toStdString())) found[i] = true;
  int current = -1;
  for (int i : order_) {
    if (!found[i]) continue;
    auto* item = new QListWidgetItem(QtText(doc_.Catalogues.Places[i].Name), cities_);
    item->setData(Qt::UserRole, i);
    if (current < 0 && doc_.Catalogues.Places[i].Name == doc_.Settings().Location)
      current = cities_->count() - 1;
  }
  // The list opens at the present place, without choosing it.
  if (current >= 0) cities_->setCurrentRow(current, QItemSelectionModel::NoUpdate);
}

void CLocationDialog::SetZone(const std::string& zoneId) {
  zoneId_ = zoneId;
  QString text = QtTranslated("ui", ui::ZoneDescription(zoneId));
  if (!zoneId.empty()) {
    sky::ClockRules rules;
    rules.ZoneId = zoneId;
    text =
        tr("%1 (%2 on the date set)")
            .arg(text, QtText(sky::ZoneText(sky::ResolveLocalTime(rules, doc_.Sky.DocumentTime))));
  }
  zone_->setText(text);
}

void CLocationDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (cities_->currentItem())
    cities_->scrollToItem(cities_->currentItem(), QAbstractItemView::PositionAtCenter);
}

ui::LocationFields CLocationDialog::Fields() const {
  ui::LocationFields f;
  f.Name = name_->text().toStdString();
  f.LatDeg = latDeg_->text().toStdString();
  f.LatMin = latMin_->text().toStdString();
  f.NS = ns_->Hemisphere().toStdString();
  f.LongDeg = longDeg_->text().toStdString();
  f.LongMin = longMin_->text().toStdString();
  f.EW = ew_->Hemisphere().toStdString();
  f.TimeZone = ui::TypedNumber(timeZone_->text());
  f.ZoneId = zoneId_;
  return f;
}

ui::MapPoint CLocationDialog::Marker() const { return map_->Marker(); }
bool CLocationDialog::HasMap() const { return map_->HasMap(); }

void CLocationDialog::ShowCoordinates(const ui::LocationFields& f) {
  latDeg_->setText(QtText(f.LatDeg));
  latMin_->setText(QtText(f.LatMin));
  ns_->SetHemisphere(QtText(f.NS));
  longDeg_->setText(QtText(f.LongDeg));
  longMin_->setText(QtText(f.LongMin));
  ew_->SetHemisphere(QtText(f.EW));
  timeZone_->setText(ui::ScreenNumber(f.TimeZone));
  SetZone(f.ZoneId);
}

void CLocationDialog::OnCitySelected() {
  const QList<QListWidgetItem*> selected = cities_->selectedItems();
  if (selected.isEmpty()) return;
  const catalog::Place& place =
      doc_.Catalogues.Places[selected.front()->data(Qt::UserRole).toInt()];
  ShowCoordinates(ui::FieldsFromPlace(place));
  name_->setText(selected.front()->text());
  map_->SetMarker(ui::MarkerFromPlace(place));
  map_->update();
}

void CLocationDialog::OnMapClicked(ui::MapPoint point) {
  map_->SetMarker(point);
  const std::optional<ui::LocationFields> place =
      ui::NamedPlaceAtMapPoint(point, doc_.Catalogues.Places);
  if (!place) return;
  ShowCoordinates(*place);
  name_->setText(QtText(place->Name));
  name_->setFocus(Qt::OtherFocusReason);
  name_->selectAll();
  cities_->clearSelection();
  map_->update();
}

QLineEdit* CLocationDialog::EditFor(ui::LocationField field) const {
  switch (field) {
    case ui::LocationField::LongDeg:
      return longDeg_;
    case ui::LocationField::LongMin:
      return longMin_;
    case ui::LocationField::LatDeg:
      return latDeg_;
    case ui::LocationField::LatMin:
      return latMin_;
    case ui::LocationField::TimeZone:
      return timeZone_;
  }
  return timeZone_;
}

void CLocationDialog::accept() {
  // Nothing changes until every field has passed: a refused field followed
  // by Cancel leaves the place as it was.
  const std::variant<ui::CheckedLocation, ui::FieldError> checked = ui::CheckLocation(Fields());
  if (const auto* error = std::get_if<ui::FieldError>(&checked)) {
    messages_.Show(MessageIcon::Exclamation, ui::RangeMessage(*error));
    QLineEdit* edit = EditFor(error->Field);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
    return;
  }
  ui::CommitLocation(std::get<ui::CheckedLocation>(checked), doc_.Settings());
  doc_.UpdateSky();
  QDialog::accept();
  view_.Redraw();
}
