#include "ui/find_box.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QStringListModel>
#include <cmath>

#include "render/bitmap_fonts.h"
#include "sky/constellation_names.h"
#include "sky/search.h"
#include "sky/sky_doc.h"
#include "ui/screen_text.h"

namespace {

// The Latin name of the constellation whose name in the window's language
// starts with `typed` ("großer b": "Ursa Major"); empty when none does, or
// when that name is the Latin one.
std::string LatinOfNativeName(const CSkyDoc& doc, const QString& typed) {
  const QString prefix = typed.trimmed();
  if (prefix.size() < 3) return {};
  for (const ConstellationNameRecord& record : doc.Catalogues.ConstellationNames) {
    const char* text = sky::ConstellationNameText(render::FixedText(record.Name));
    if (!text) continue;
    const QString native = QCoreApplication::translate(sky::kConstellationContext, text);
    if (native != QString::fromUtf8(text) && native.startsWith(prefix, Qt::CaseInsensitive))
      return text;
  }
  return {};
}

}  // namespace

CFindBox::CFindBox(CSkyDoc& doc, CMessenger& messages, std::function<void()> redraw,
                   QWidget* parent)
    : QLineEdit(parent),
      doc_(doc),
      messages_(messages),
      redraw_(std::move(redraw)),
      model_(new QStringListModel(this)),
      completer_(new QCompleter(model_, this)) {
  setObjectName("FindBox");
  setPlaceholderText(tr("Find (F3)"));
  setToolTip(tr("Find an object by any of its names"));
  setClearButtonEnabled(true);
  setMaximumWidth(220);
  // The index ranks the matches: the drop-down shows them as they are.
  completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  completer_->setWidget(this);
  // Wide enough for a name, its kind and its altitude.
  completer_->popup()->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 28);
  connect(this, &QLineEdit::textEdited, this, &CFindBox::OnEdited);
  connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
          [this](const QModelIndex& index) { CentreMatch(index.row()); });
  connect(this, &QLineEdit::returnPressed, this, [this] {
    // Enter in the field itself: the first match, found afresh if the
    // drop-down has not caught up with the text.
    if (matches_.empty()) OnEdited(text());
    CentreMatch(0);
  });
}

CFindBox::~CFindBox() = default;

void CFindBox::OnEdited(const QString& text) {
  // Imported elements change the comets and minor planets the index names.
  if (!index_ || indexVersion_ != doc_.Catalogues.SmallBodiesVersion) {
    index_ = sky::BuildFindIndex(doc_);
    indexVersion_ = doc_.Catalogues.SmallBodiesVersion;
  }
  // A constellation's name in the window's language finds it by its Latin one.
  const std::string latin = LatinOfNativeName(doc_, text);
  matches_ = sky::FindMatches(doc_, *index_, latin.empty() ? text.toStdString() : latin,
                              sky::kFindMatchLimit);
  QStringList rows;
  for (const sky::FindMatch& m : matches_)
    rows << tr("%1 \u2014 %2, %3\u00b0 %4")
                .arg(QString::fromStdString(m.Name), ui::TranslatedText(m.Kind))
                .arg(std::lround(m.AltitudeDeg))
                .arg(m.AltitudeDeg >= 0 ? tr("up") : tr("below the horizon"));
  model_->setStringList(rows);
  if (rows.isEmpty())
    completer_->popup()->hide();
  else
    completer_->complete();
}

void CFindBox::CentreMatch(int row) {
  if (row < 0 || row >= static_cast<int>(matches_.size())) return;
  const sky::FindMatch match = matches_[row];
  const astro::EquatorialCoord place = sky::PlaceOf(doc_, match.Object);
  if (!CentreOn(doc_, messages_, place.RightAscension, place.Declination)) return;
  doc_.Selected = match.Object;
  setText(QString::fromStdString(match.Name));
  completer_->popup()->hide();
  redraw_();
}
