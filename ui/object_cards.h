// The information cards of a right click: a star's, a solar-system body's,
// a planet's moon's and a deep-sky object's, each a modal dialog of selectable texts, and the
// walk that opens them for the objects under the pointer.
#pragma once

#include <QDialog>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "sky/almanac.h"
#include "sky/object_names.h"
#include "sky/pick_walk.h"

class CMessenger;
class CSkyDoc;
class QDialogButtonBox;
class QGridLayout;
class QLabel;
class QPushButton;
namespace sky {
struct AngleTexts;
struct DeepSkyCard;
}  // namespace sky

// What the cards share: the bold caption labels, the text fields (their
// object names are "Control" and the field's control id), OK, and for bodies
// and deep-sky objects the Image button (control 1063).
class CInfoCard : public QDialog {
  Q_OBJECT

 public:
  // The text field of control `id`; nullptr when the card has none.
  QLabel* Field(int id) const;
  // The Image button; nullptr on a star's card.
  QPushButton* ImageButton() const { return imageButton_; }
  // The picture file found for the object, empty when there is none.
  const std::string& PictureFile() const { return pictureFile_; }
  // Adds the Altitude Plot button, which closes the card asking for the plot.
  void OfferAltitudePlot();
  QPushButton* AltitudePlotButton() const { return plotButton_; }
  bool AltitudePlotAsked() const { return plotAsked_; }
  // Adds the Slew Telescope button, which closes the card asking for the slew.
  void OfferSlew();
  bool SlewAsked() const { return slewAsked_; }
  // Adds the Follow button, which closes the card asking to follow the object.
  void OfferFollow();
  bool FollowAsked() const { return followAsked_; }

 protected:
  CInfoCard(const QString& caption, QWidget* parent);
  // A row: the caption label `labelId` with `label`, then text fields.
  void AddRow(int labelId, const QString& label,
              std::initializer_list<std::pair<int, std::string>> fields);
  // The rows of the apparent place of date, captions `labelId` and `labelId` + 1.
  void AddDateRows(int labelId, const sky::AngleTexts& ra, const sky::AngleTexts& dec);
  // Rise, transit, its altitude and set, by the place's clock (fields 1130-1133).
  void AddRiseSetRows(const sky::RiseSetTexts& texts);
  // Looks for the object's picture and adds OK and Image; Image shows it.
  void AddButtons(bool withImage, const std::filesystem::path& imagesDirectory,
                  const std::string& pictureName, CMessenger* messages);

 private:
  QGridLayout* grid_;
  int rows_ = 0;
  QDialogButtonBox* buttons_ = nullptr;
  QPushButton* imageButton_ = nullptr;
  QPushButton* plotButton_ = nullptr;
  bool plotAsked_ = false;
  bool slewAsked_ = false;
  bool followAsked_ = false;
  std::string pictureFile_;
};

class CStarInfoDialog : public CInfoCard {
  Q_OBJECT
 public:
  CStarInfoDialog(const CSkyDoc& doc, int starIndex, QWidget* parent = nullptr);
};

// A star of the faint-star file: record `index` of doc.Catalogues.DeepCatalogues.FaintStars().
class CFaintStarInfoDialog : public CInfoCard {
  Q_OBJECT
 public:
  CFaintStarInfoDialog(const CSkyDoc& doc, int index, QWidget* parent = nullptr);
};

class CBodyInfoDialog : public CInfoCard {
  Q_OBJECT
 public:
  CBodyInfoDialog(const CSkyDoc& doc, int bodyIndex, const std::filesystem::path& imagesDirectory,
                  CMessenger& messages, QWidget* parent = nullptr);
};

// A deep-sky object's card: one of doc.Sky.DeepSkyObjects (sky::DeepSkyCardOf)
// or of the NGC/IC file (sky::NgcIcCardOf).
class CDeepSkyInfoDialog : public CInfoCard {
  Q_OBJECT
 public:
  CDeepSkyInfoDialog(const sky::DeepSkyCard& card, const std::filesystem::path& imagesDirectory,
                     CMessenger& messages, QWidget* parent = nullptr);
};

// A comet's or a minor planet's card: body `index` of doc.Catalogues.SmallBodies.
class CSmallBodyInfoDialog : public CInfoCard {
  Q_OBJECT
 public:
  CSmallBodyInfoDialog(const CSkyDoc& doc, int index, QWidget* parent = nullptr);
};

// A planet's moon's card: moon `moon` of doc.Sky.Moons, with its planet and
// its separation and position angle from it.
class CPlanetMoonInfoDialog : public CInfoCard {
  Q_OBJECT
 public:
  CPlanetMoonInfoDialog(const CSkyDoc& doc, int moon, QWidget* parent = nullptr);
};

// Opens, one after the other, the cards of the objects a selection pass hit
// (in the order of sky::PickSteps: the nearest first), or the one notice of
// a line or cloud under the pointer. Each card also offers what `actions`
// has: asking for it ends the walk and acts on the card's object.
struct CardActions {
  std::function<void(sky::SkyObjectRef)> Plot;    // the object's altitude plot
  std::function<void(sky::SkyObjectRef)> SlewTo;  // the telescope slewed to it
  std::function<void(sky::SkyObjectRef)> Follow;  // View > Follow on it
};
void ShowObjectsUnderPointer(const std::vector<sky::PickHit>& hits, const CSkyDoc& doc,
                             const std::filesystem::path& imagesDirectory, CMessenger& messages,
                             QWidget* parent, const CardActions& actions = {});
// Opens the card of `object` (one that has a card: sky::CardStepOf), the
// same card a pick opens, with the same actions.
void ShowObjectCard(sky::SkyObjectRef object, const CSkyDoc& doc,
                    const std::filesystem::path& imagesDirectory, CMessenger& messages,
                    QWidget* parent, const CardActions& actions = {});
