// The find box of the main toolbar: one field that knows every name of the
// sky and the places of the location list (sky/find_index.h), with a
// drop-down of the matches as the user types, and of the last finds
// (sky/find_history.h) when the field is focused and empty. Enter centres the
// first match, or the one chosen in the drop-down, the way the search
// dialogs centre (CentreOn, with its refusal below the horizon); Shift+Enter
// opens its card instead. A place asks whether the observer moves there.
#pragma once

#include <QLineEdit>
#include <functional>
#include <optional>
#include <vector>

#include "sky/find_index.h"

class CMessenger;
class QAbstractItemView;
class CSkyDoc;
class QCompleter;
class QStringListModel;

// What the find box asks of the window around it.
struct FindBoxActions {
  std::function<void()> Redraw;                     // after the camera turned
  std::function<void()> PlaceChanged;               // after the observer moved
  std::function<void(sky::SkyObjectRef)> OpenCard;  // the object's card
};

class CFindBox : public QLineEdit {
  Q_OBJECT

 public:
  CFindBox(CSkyDoc& doc, CMessenger& messages, FindBoxActions actions, QWidget* parent);
  ~CFindBox() override;

  // The matches the drop-down lists now, best first; empty while it lists the last finds.
  const std::vector<sky::FindMatch>& Matches() const { return matches_; }
  // The rows the drop-down lists now, and the list that shows them.
  QStringList Rows() const;
  QAbstractItemView* DropDown() const;

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Refreshes the matches and the drop-down for the text typed; the last
  // finds for an empty text.
  void OnEdited(const QString& text);
  // Acts on row `row` of the drop-down (0 the first): a match is centred and
  // selected, or with `card` its card opened; a place asks to move there; a
  // last find is looked for again and its first match acted on.
  void Choose(int row, bool card);
  // Enter: acts on the row of the drop-down chosen, else on the first.
  void ChooseCurrent(bool card);
  // Moves the observer to place `index` of the location list once the user agrees.
  void OfferPlace(int index);
  // Keeps the name of what was found first in the last finds.
  void Remember(const std::string& name);

  CSkyDoc& doc_;
  CMessenger& messages_;
  FindBoxActions actions_;
  // Built at the first key press, from the catalogues as read.
  std::optional<sky::FindIndex> index_;
  int indexVersion_ = 0;  // the comets' and minor planets' the index was built with
  std::vector<sky::FindMatch> matches_;
  bool listingHistory_ = false;  // the drop-down lists the last finds
  QStringListModel* model_;
  QCompleter* completer_;
};
