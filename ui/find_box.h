// The find box of the main toolbar: one field that knows every name of the
// sky (sky/find_index.h), with a drop-down of the matches as the user types.
// Enter centres the first match, or the one chosen in the drop-down, the way
// the search dialogs centre (CentreOn, with its refusal below the horizon).
#pragma once

#include <QLineEdit>
#include <functional>
#include <optional>
#include <vector>

#include "sky/find_index.h"

class CMessenger;
class CSkyDoc;
class QCompleter;
class QStringListModel;

class CFindBox : public QLineEdit {
  Q_OBJECT

 public:
  // `redraw` is called after the camera turned.
  CFindBox(CSkyDoc& doc, CMessenger& messages, std::function<void()> redraw, QWidget* parent);
  ~CFindBox() override;

  // The matches the drop-down lists now, best first.
  const std::vector<sky::FindMatch>& Matches() const { return matches_; }

 private:
  // Refreshes the matches and the drop-down for the text typed.
  void OnEdited(const QString& text);
  // Centres match `row` of the drop-down (0 the first) and selects it.
  void CentreMatch(int row);

  CSkyDoc& doc_;
  CMessenger& messages_;
  std::function<void()> redraw_;
  // Built at the first key press, from the catalogues as read.
  std::optional<sky::FindIndex> index_;
  int indexVersion_ = 0;  // the comets' and minor planets' the index was built with
  std::vector<sky::FindMatch> matches_;
  QStringListModel* model_;
  QCompleter* completer_;
};
