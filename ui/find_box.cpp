#include "ui/find_box.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QStringListModel>
#include <cmath>

#include "render/bitmap_fonts.h"
#include "res/qt_text.h"
#include "sky/constellation_names.h"
#include "sky/find_history.h"
#include "sky/find_match.h"
#include "sky/messages.h"
#include "sky/pick_walk.h"
#include "sky/search.h"
#include "sky/sky_doc.h"
#include "ui/location_form.h"
#include "ui/screen_text.h"

namespace {

// The constellations' names in the window's language, with their Latin ones.
std::vector<sky::NativeName> NativeConstellationNames(const CSkyDoc& doc) {
  std::vector<sky::NativeName> names;
  for (const ConstellationNameRecord& record : doc.Catalogues.ConstellationNames) {
    const char* text = sky::ConstellationNameText(render::FixedText(record.Name));
    if (!text) continue;
    names.push_back(
        {text, QCoreApplication::translate(sky::kConstellationContext, text).toStdString()});
  }
  return names;
}

bool IsEnter(const QKeyEvent* key) {
  return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

}  // namespace

CFindBox::CFindBox(CSkyDoc& doc, CMessenger& messages, FindBoxActions actions, QWidget* parent)
    : QLineEdit(parent),
      doc_(doc),
      messages_(messages),
      actions_(std::move(actions)),
      model_(new QStringListModel(this)),
      completer_(new QCompleter(model_, this)) {
  setObjectName("FindBox");
  setPlaceholderText(tr("Find (F3)"));
  setToolTip(tr("Find an object by any of its names, or a place; Shift+Enter opens its card"));
  setClearButtonEnabled(true);
  setMaximumWidth(220);
  // The index ranks the matches: the drop-down shows them as they are.
  completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  completer_->setWidget(this);
  // Wide enough for a name, its kind and its altitude.
  completer_->popup()->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 28);
  // Shift+Enter in the drop-down reaches this filter before the completer's.
  completer_->popup()->installEventFilter(this);
  connect(this, &QLineEdit::textEdited, this, &CFindBox::OnEdited);
  connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
          [this](const QModelIndex& index) { Choose(index.row(), false); });
}

CFindBox::~CFindBox() = default;

QStringList CFindBox::Rows() const { return model_->stringList(); }

QAbstractItemView* CFindBox::DropDown() const { return completer_->popup(); }

void CFindBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (text().isEmpty()) OnEdited(QString());
}

void CFindBox::keyPressEvent(QKeyEvent* event) {
  if (IsEnter(event)) {
    ChooseCurrent(event->modifiers() & Qt::ShiftModifier);
    return;
  }
  QLineEdit::keyPressEvent(event);
}

bool CFindBox::eventFilter(QObject* watched, QEvent* event) {
  // Enter in the drop-down, before the completer sees it.
  if (watched == completer_->popup() && event->type() == QEvent::KeyPress)
    if (const auto* key = static_cast<QKeyEvent*>(event); IsEnter(key)) {
      ChooseCurrent(key->modifiers() & Qt::ShiftModifier);
      return true;
    }
  return QLineEdit::eventFilter(watched, event);
}

void CFindBox::ChooseCurrent(bool card) {
  // The row of the drop-down the user moved to, else the first, the matches
  // found afresh if the drop-down has not caught up with the text.
  const QModelIndex current = completer_->popup()->currentIndex();
  const int row = completer_->popup()->isVisible() && current.isValid() ? current.row() : 0;
  completer_->popup()->hide();
  if (matches_.empty() && !text().isEmpty()) OnEdited(text());
  Choose(row, card);
}

void CFindBox::OnEdited(const QString& text) {
  QStringList rows;
  matches_.clear();
  listingHistory_ = text.isEmpty();
  if (listingHistory_) {
    for (const std::string& find : doc_.Settings().FindHistory) rows << QtText(find);
  } else {
    // Imported elements change the comets and minor planets the index names.
    if (!index_ || indexVersion_ != doc_.Catalogues.SmallBodiesVersion) {
      index_ = sky::BuildFindIndex(doc_);
      indexVersion_ = doc_.Catalogues.SmallBodiesVersion;
    }
    // A constellation's name in the window's language finds it by its Latin one.
    const std::string latin =
        sky::LatinOfNativeName(NativeConstellationNames(doc_), text.toStdString());
    matches_ = sky::FindMatches(doc_, *index_, latin.empty() ? text.toStdString() : latin,
                                sky::kFindMatchLimit);
    for (const sky::FindMatch& m : matches_) {
      const QString name = QString::fromStdString(m.Name);
      if (!m.Object)
        rows << tr("%1 \u2014 %2").arg(name, ui::TranslatedText(m.Kind));
      else
        rows << tr("%1 \u2014 %2, %3\u00b0 %4")
                    .arg(name, ui::TranslatedText(m.Kind))
                    .arg(std::lround(m.AltitudeDeg))
                    .arg(m.AltitudeDeg >= 0 ? tr("up") : tr("below the horizon"));
    }
  }
  model_->setStringList(rows);
  if (rows.isEmpty())
    completer_->popup()->hide();
  else
    completer_->complete();
}

void CFindBox::Choose(int row, bool card) {
  if (listingHistory_) {
    const std::vector<std::string>& history = doc_.Settings().FindHistory;
    if (row < 0 || row >= static_cast<int>(history.size())) return;
    setText(QtText(history[row]));
    OnEdited(text());
    completer_->popup()->hide();
    row = 0;
  }
  if (row < 0 || row >= static_cast<int>(matches_.size())) return;
  const sky::FindMatch match = matches_[row];
  completer_->popup()->hide();
  setText(QString::fromStdString(match.Name));
  if (!match.Object) {
    Remember(match.Name);
    OfferPlace(match.Place);
    return;
  }
  // The objects without a card (constellations, the planets' moons) are centred.
  if (card && sky::CardStepOf(*match.Object)) {
    Remember(match.Name);
    actions_.OpenCard(*match.Object);
    return;
  }
  const astro::EquatorialCoord place = sky::PlaceOf(doc_, *match.Object);
  if (!CentreOn(doc_, messages_, place.RightAscension, place.Declination)) return;
  doc_.Selected = *match.Object;
  Remember(match.Name);
  actions_.Redraw();
}

void CFindBox::OfferPlace(int index) {
  const catalog::Place& place = doc_.Catalogues.Places[index];
  QMessageBox ask(QMessageBox::Question, tr("Observer's Location"),
                  tr("Set the observer to %1?").arg(QtText(place.Name)),
                  QMessageBox::Yes | QMessageBox::No, window());
  ask.setObjectName(QStringLiteral("SetPlaceQuestion"));
  if (ask.exec() != QMessageBox::Yes) return;
  // Through the location dialog's own check: a place beyond its time-zone range is refused.
  const std::variant<ui::CheckedLocation, ui::FieldError> checked =
      ui::CheckLocation(ui::FieldsFromPlace(place));
  if (const auto* error = std::get_if<ui::FieldError>(&checked)) {
    messages_.Show(MessageIcon::Exclamation, ui::RangeMessage(*error));
    return;
  }
  ui::CommitLocation(std::get<ui::CheckedLocation>(checked), doc_.Settings());
  doc_.UpdateSky();
  actions_.Redraw();
  actions_.PlaceChanged();
}

void CFindBox::Remember(const std::string& name) {
  sky::AddFindHistory(doc_.Settings().FindHistory, name);
}
