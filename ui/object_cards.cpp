#include "ui/object_cards.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "res/qt_text.h"
#include "sky/messages.h"
#include "sky/object_info.h"
#include "sky/pick_walk.h"
#include "ui/picture_window.h"
#include "ui/screen_text.h"

namespace {

constexpr int kImageButtonId = 1063;

// Bold Tahoma of 11 pixels; where Tahoma is missing, a bold sans-serif.
QFont CaptionFont() {
  QFont font(QStringLiteral("Tahoma"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  font.setBold(true);
  return font;
}

QString ObjectName(int id) { return QStringLiteral("Control%1").arg(id); }

using Fields = std::initializer_list<std::pair<int, std::string>>;

}  // namespace

CInfoCard::CInfoCard(const QString& caption, QWidget* parent) : QDialog(parent) {
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  grid_ = new QGridLayout;
  grid_->setHorizontalSpacing(10);
  // Hours (degrees), minutes and seconds sit in three narrow columns.
  for (int column = 1; column <= 3; ++column) grid_->setColumnMinimumWidth(column, 52);
  layout->addLayout(grid_);
}

QLabel* CInfoCard::Field(int id) const { return findChild<QLabel*>(ObjectName(id)); }

void CInfoCard::AddRow(int labelId, const QString& label, Fields fields) {
  auto* caption = new QLabel(label, this);
  caption->setObjectName(ObjectName(labelId));
  caption->setFont(CaptionFont());
  grid_->addWidget(caption, rows_, 0);
  int column = 1;
  for (const auto& [id, text] : fields) {
    auto* field = new QLabel(ui::ScreenText(text), this);
    field->setObjectName(ObjectName(id));
    // A user copies coordinates from here.
    field->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // A single text spans the three columns of the angles' parts.
    if (fields.size() == 1)
      grid_->addWidget(field, rows_, column, 1, 3);
    else
      grid_->addWidget(field, rows_, column++);
  }
  ++rows_;
}

void CInfoCard::AddDateRows(int labelId, const sky::AngleTexts& ra, const sky::AngleTexts& dec) {
  AddRow(labelId, tr("Right ascension (of date):"),
         {{1110, ra.Whole}, {1111, ra.Minutes}, {1112, ra.Seconds}});
  AddRow(labelId + 1, tr("Declination (of date):"),
         {{1113, dec.Whole}, {1114, dec.Minutes}, {1115, dec.Seconds}});
}

void CInfoCard::AddRiseSetRows(const sky::RiseSetTexts& t) {
  // In the order they come.
  for (const sky::RiseSetEvent event : t.Order) {
    switch (event) {
      case sky::RiseSetEvent::Rise:
        AddRow(1120, tr("Rise:"), {{1130, t.Rise}});
        break;
      case sky::RiseSetEvent::Transit:
        AddRow(1121, tr("Transit:"), {{1131, t.Transit}});
        AddRow(1122, tr("Transit altitude:"), {{1132, t.TransitAltitude}});
        break;
      case sky::RiseSetEvent::Set:
        AddRow(1123, tr("Set:"), {{1133, t.Set}});
        break;
    }
  }
}

void CInfoCard::AddButtons(bool withImage, const std::filesystem::path& imagesDirectory,
                           const std::string& pictureName, CMessenger* messages) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons_ = buttons;
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  if (withImage) {
    imageButton_ = buttons->addButton(tr("Image"), QDialogButtonBox::ActionRole);
    imageButton_->setObjectName(ObjectName(kImageButtonId));
    if (const std::optional<std::string> file = sky::FindPicture(imagesDirectory, pictureName))
      pictureFile_ = *file;
    imageButton_->setEnabled(!pictureFile_.empty());
    connect(imageButton_, &QPushButton::clicked, this, [this, imagesDirectory, messages] {
      ShowPictureFile((imagesDirectory / pictureFile_).string(), *messages, this);
    });
  }
  static_cast<QVBoxLayout*>(layout())->addWidget(buttons);
}

void CInfoCard::OfferAltitudePlot() {
  if (plotButton_ || !buttons_) return;
  plotButton_ = buttons_->addButton(tr("Altitude &Plot"), QDialogButtonBox::ActionRole);
  plotButton_->setObjectName(QStringLiteral("AltitudePlotButton"));
  connect(plotButton_, &QPushButton::clicked, this, [this] {
    plotAsked_ = true;
    accept();
  });
}

void CInfoCard::OfferSlew() {
  if (!buttons_) return;
  QPushButton* slew = buttons_->addButton(tr("&Slew Telescope"), QDialogButtonBox::ActionRole);
  slew->setObjectName(QStringLiteral("SlewTelescope"));
  connect(slew, &QPushButton::clicked, this, [this] {
    slewAsked_ = true;
    accept();
  });
}

void CInfoCard::OfferFollow() {
  if (!buttons_) return;
  QPushButton* follow = buttons_->addButton(tr("Fo&llow"), QDialogButtonBox::ActionRole);
  follow->setObjectName(QStringLiteral("FollowButton"));
  follow->setToolTip(tr("Keep the object at the middle of the view while time runs"));
  connect(follow, &QPushButton::clicked, this, [this] {
    followAsked_ = true;
    accept();
  });
}

CStarInfoDialog::CStarInfoDialog(const CSkyDoc& doc, int starIndex, QWidget* parent)
    : CInfoCard(QString(), parent) {
  const sky::StarCard c = sky::StarCardOf(doc, starIndex);
  setWindowTitle(ui::ScreenText(c.Caption));
  AddRow(1086, tr("HR number:"), {{1043, c.Hr}});
  AddRow(1087, tr("Bayer:"), {{1040, c.Bayer}});
  AddRow(1088, tr("Flamsteed:"), {{1041, c.Flamsteed}});
  AddRow(1089, tr("Proper name:"), {{1038, c.Name}});
  AddRow(1090, tr("Right ascension (J2000):"),
         {{1045, c.Ra.Whole}, {1047, c.Ra.Minutes}, {1048, c.Ra.Seconds}});
  AddRow(1091, tr("Declination (J2000):"),
         {{1049, c.Dec.Whole}, {1050, c.Dec.Minutes}, {1051, c.Dec.Seconds}});
  AddDateRows(1096, c.RaDate, c.DecDate);
  AddRow(1092, tr("Altitude:"), {{1052, c.Altitude}});
  AddRow(1093, tr("Azimuth:"), {{1053, c.Azimuth}});
  AddRow(1094, tr("Magnitude:"), {{1054, c.Magnitude}});
  AddRow(1095, tr("Spectral type:"), {{1055, c.Spectrum}});
  AddRiseSetRows(c.RiseSet);
  AddButtons(false, {}, {}, nullptr);
}

CFaintStarInfoDialog::CFaintStarInfoDialog(const CSkyDoc& doc, int index, QWidget* parent)
    : CInfoCard(QString(), parent) {
  const sky::FaintStarCard c = sky::FaintStarCardOf(doc, index);
  setWindowTitle(ui::ScreenText(c.Caption));
  if (!c.Hip.empty())
    AddRow(1086, tr("HIP number:"), {{1140, c.Hip}});
  else
    AddRow(1086, tr("Designation:"), {{1141, c.Name}});
  AddRow(1090, tr("Right ascension (J2000):"),
         {{1045, c.Ra.Whole}, {1047, c.Ra.Minutes}, {1048, c.Ra.Seconds}});
  AddRow(1091, tr("Declination (J2000):"),
         {{1049, c.Dec.Whole}, {1050, c.Dec.Minutes}, {1051, c.Dec.Seconds}});
  AddDateRows(1096, c.RaDate, c.DecDate);
  AddRow(1092, tr("Altitude:"), {{1052, c.Altitude}});
  AddRow(1093, tr("Azimuth:"), {{1053, c.Azimuth}});
  AddRow(1094, tr("Magnitude:"), {{1054, c.Magnitude}});
  // The colour and the spectral type only where the catalogue gives them.
  if (!c.ColourIndex.empty()) AddRow(1098, tr("Colour index (B-V):"), {{1142, c.ColourIndex}});
  if (!c.Spectrum.empty()) AddRow(1095, tr("Spectral type:"), {{1055, c.Spectrum}});
  AddRiseSetRows(c.RiseSet);
  AddButtons(false, {}, {}, nullptr);
}

CBodyInfoDialog::CBodyInfoDialog(const CSkyDoc& doc, int bodyIndex,
                                 const std::filesystem::path& imagesDirectory, CMessenger& messages,
                                 QWidget* parent)
    : CInfoCard(QString(), parent) {
  const sky::BodyCard c = sky::BodyCardOf(doc, bodyIndex);
  setWindowTitle(ui::ScreenText(c.Caption));
  AddRow(1086, tr("Right ascension (J2000):"),
         {{1045, c.Ra.Whole}, {1047, c.Ra.Minutes}, {1048, c.Ra.Seconds}});
  AddRow(1087, tr("Declination (J2000):"),
         {{1049, c.Dec.Whole}, {1050, c.Dec.Minutes}, {1051, c.Dec.Seconds}});
  AddDateRows(1095, c.RaDate, c.DecDate);
  AddRow(1088, tr("Altitude:"), {{1052, c.Altitude}});
  AddRow(1089, tr("Azimuth:"), {{1053, c.Azimuth}});
  AddRow(1090, tr("Distance from Earth:"), {{1059, c.DistanceEarth}});
  AddRow(1091, tr("Distance from Sun:"), {{1060, c.DistanceSun}});
  AddRow(1092, tr("Illuminated fraction:"), {{1062, c.Illuminated}});
  AddRow(1093, tr("Magnitude:"), {{1054, c.Magnitude}});
  AddRow(1094, tr("Angular size:"), {{1061, c.Size}});
  AddRiseSetRows(c.RiseSet);
  if (astro::BodyAt(bodyIndex) == astro::Body::Sun) {
    AddRow(1124, tr("Civil twilight:"), {{1134, c.Civil.Span}});
    AddRow(1125, tr("Nautical twilight:"), {{1135, c.Nautical.Span}});
    AddRow(1126, tr("Astronomical twilight:"), {{1136, c.Astronomical.Span}});
  } else if (astro::BodyAt(bodyIndex) == astro::Body::Moon) {
    AddRow(1127, tr("Phase:"), {{1137, c.Phase}});
    AddRow(1128, tr("Age:"), {{1138, c.Age}});
  } else if (!c.CentralMeridian.empty()) {
    AddRow(1129, tr("Central meridian (System II):"), {{1139, c.CentralMeridian}});
  }
  AddButtons(true, imagesDirectory, c.Caption, &messages);
}

CDeepSkyInfoDialog::CDeepSkyInfoDialog(const sky::DeepSkyCard& c,
                                       const std::filesystem::path& imagesDirectory,
                                       CMessenger& messages, QWidget* parent)
    : CInfoCard(QString(), parent) {
  setWindowTitle(ui::ScreenText(c.Caption));
  AddRow(1086, tr("Catalog number:"), {{1064, c.Number}});
  AddRow(1087, tr("Common name:"), {{1065, c.Name}});
  if (!c.Caldwell.empty()) AddRow(1097, tr("Other designations:"), {{1067, c.Caldwell}});
  AddRow(1088, tr("Right ascension (J2000):"), {{1045, c.Ra.Whole}, {1047, c.Ra.Minutes}});
  AddRow(1089, tr("Declination (J2000):"), {{1049, c.Dec.Whole}, {1050, c.Dec.Minutes}});
  AddDateRows(1094, c.RaDate, c.DecDate);
  AddRow(1090, tr("Altitude:"), {{1052, c.Altitude}});
  AddRow(1091, tr("Azimuth:"), {{1053, c.Azimuth}});
  AddRow(1092, tr("Magnitude:"), {{1054, c.Magnitude}});
  AddRow(1093, tr("Type:"), {{1066, c.Type}});
  AddRiseSetRows(c.RiseSet);
  AddButtons(true, imagesDirectory, c.PictureName, &messages);
}

CSmallBodyInfoDialog::CSmallBodyInfoDialog(const CSkyDoc& doc, int index, QWidget* parent)
    : CInfoCard(QString(), parent) {
  const sky::SmallBodyCard c = sky::SmallBodyCardOf(doc, index);
  setWindowTitle(QtText(c.Caption));
  AddRow(1085, tr("Designation:"), {{1150, c.Designation}});
  AddRow(1086, tr("Right ascension (J2000):"),
         {{1045, c.Ra.Whole}, {1047, c.Ra.Minutes}, {1048, c.Ra.Seconds}});
  AddRow(1087, tr("Declination (J2000):"),
         {{1049, c.Dec.Whole}, {1050, c.Dec.Minutes}, {1051, c.Dec.Seconds}});
  AddDateRows(1095, c.RaDate, c.DecDate);
  AddRow(1088, tr("Altitude:"), {{1052, c.Altitude}});
  AddRow(1089, tr("Azimuth:"), {{1053, c.Azimuth}});
  AddRow(1090, tr("Distance from Earth:"), {{1059, c.DistanceEarth}});
  AddRow(1091, tr("Distance from Sun:"), {{1060, c.DistanceSun}});
  AddRow(1092, tr("Elongation:"), {{1151, c.Elongation}});
  AddRow(1093, tr("Magnitude:"), {{1054, c.Magnitude}});
  AddRiseSetRows(c.RiseSet);
  AddRow(1097, tr("Perihelion distance:"), {{1152, c.PerihelionDistance}});
  if (!c.SemiMajorAxis.empty()) AddRow(1098, tr("Semi-major axis:"), {{1153, c.SemiMajorAxis}});
  AddRow(1099, tr("Eccentricity:"), {{1154, c.Eccentricity}});
  AddRow(1100, tr("Inclination:"), {{1155, c.Inclination}});
  if (!c.Period.empty()) AddRow(1101, tr("Period:"), {{1156, c.Period}});
  AddRow(1102, tr("Elements' epoch:"), {{1157, c.Epoch}});
  if (!c.EpochWarning.empty()) AddRow(1103, QString(), {{1158, c.EpochWarning}});
  AddButtons(false, {}, {}, nullptr);
}

CPlanetMoonInfoDialog::CPlanetMoonInfoDialog(const CSkyDoc& doc, int moon, QWidget* parent)
    : CInfoCard(QString(), parent) {
  const sky::MoonCard m = sky::MoonCardOf(doc, moon);
  const sky::BodyCard& c = m.Body;
  setWindowTitle(ui::ScreenText(c.Caption));
  AddRow(1085, tr("Planet:"), {{1160, m.Planet}});
  AddRow(1086, tr("Right ascension (J2000):"),
         {{1045, c.Ra.Whole}, {1047, c.Ra.Minutes}, {1048, c.Ra.Seconds}});
  AddRow(1087, tr("Declination (J2000):"),
         {{1049, c.Dec.Whole}, {1050, c.Dec.Minutes}, {1051, c.Dec.Seconds}});
  AddDateRows(1095, c.RaDate, c.DecDate);
  AddRow(1088, tr("Altitude:"), {{1052, c.Altitude}});
  AddRow(1089, tr("Azimuth:"), {{1053, c.Azimuth}});
  AddRow(1104, tr("Separation from the planet:"), {{1161, m.Separation}});
  AddRow(1105, tr("Position angle:"), {{1162, m.PositionAngle}});
  AddRow(1090, tr("Distance from Earth:"), {{1059, c.DistanceEarth}});
  AddRow(1091, tr("Distance from Sun:"), {{1060, c.DistanceSun}});
  AddRow(1093, tr("Magnitude:"), {{1054, c.Magnitude}});
  AddRow(1094, tr("Angular size:"), {{1061, c.Size}});
  AddRiseSetRows(c.RiseSet);
  AddButtons(false, {}, {}, nullptr);
}

namespace {

// Opens the cards of `steps` one after the other until one asks for an action.
void ShowCards(const std::vector<sky::PickStep>& steps, const CSkyDoc& doc,
               const std::filesystem::path& imagesDirectory, CMessenger& messages, QWidget* parent,
               const CardActions& actions) {
  // Shows a card; the action it asked for, if any. A comet's or minor
  // planet's card offers only Follow.
  const auto show = [&actions](CInfoCard&& card,
                               bool plotAndSlew) -> const std::function<void(sky::SkyObjectRef)>* {
    if (plotAndSlew && actions.Plot) card.OfferAltitudePlot();
    if (plotAndSlew && actions.SlewTo) card.OfferSlew();
    if (actions.Follow) card.OfferFollow();
    card.exec();
    if (card.AltitudePlotAsked()) return &actions.Plot;
    if (card.SlewAsked()) return &actions.SlewTo;
    if (card.FollowAsked()) return &actions.Follow;
    return nullptr;
  };
  for (const sky::PickStep& step : steps) {
    const std::function<void(sky::SkyObjectRef)>* asked = nullptr;
    sky::SkyObjectRef object{sky::SkyObjectRef::Star, step.Index};
    switch (step.What) {
      case sky::PickStep::StarCard:
        asked = show(CStarInfoDialog(doc, step.Index, parent), true);
        break;
      case sky::PickStep::FaintStarCard:
        object.What = sky::SkyObjectRef::FaintStar;
        asked = show(CFaintStarInfoDialog(doc, step.Index, parent), true);
        break;
      case sky::PickStep::BodyCard:
        object.What = sky::SkyObjectRef::Body;
        asked = show(CBodyInfoDialog(doc, step.Index, imagesDirectory, messages, parent), true);
        break;
      case sky::PickStep::DeepSkyCard:
        object.What = sky::SkyObjectRef::DeepSky;
        asked = show(CDeepSkyInfoDialog(sky::DeepSkyCardOf(doc, step.Index), imagesDirectory,
                                        messages, parent),
                     true);
        break;
      case sky::PickStep::NgcIcCard:
        object.What = sky::SkyObjectRef::NgcIc;
        asked = show(CDeepSkyInfoDialog(sky::NgcIcCardOf(doc, step.Index), imagesDirectory,
                                        messages, parent),
                     true);
        break;
      case sky::PickStep::PlanetMoonCard:
        object.What = sky::SkyObjectRef::PlanetMoon;
        asked = show(CPlanetMoonInfoDialog(doc, step.Index, parent), true);
        break;
      case sky::PickStep::SmallBodyCard:
        object.What = sky::SkyObjectRef::SmallBody;
        asked = show(CSmallBodyInfoDialog(doc, step.Index, parent), false);
        break;
      case sky::PickStep::Notice:
        messages.Show(MessageIcon::Information, QtString(step.Index).toStdString());
        break;
    }
    if (asked) {
      (*asked)(object);
      return;
    }
  }
}

}  // namespace

void ShowObjectsUnderPointer(const std::vector<sky::PickHit>& hits, const CSkyDoc& doc,
                             const std::filesystem::path& imagesDirectory, CMessenger& messages,
                             QWidget* parent, const CardActions& actions) {
  ShowCards(sky::PickSteps(hits, doc), doc, imagesDirectory, messages, parent, actions);
}

void ShowObjectCard(sky::SkyObjectRef object, const CSkyDoc& doc,
                    const std::filesystem::path& imagesDirectory, CMessenger& messages,
                    QWidget* parent, const CardActions& actions) {
  if (const std::optional<sky::PickStep> step = sky::CardStepOf(object))
    ShowCards({*step}, doc, imagesDirectory, messages, parent, actions);
}
