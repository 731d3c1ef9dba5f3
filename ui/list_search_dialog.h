// The three list searches: a star by its proper name, a constellation, an
// NGC object by its number. OK, Enter or a double click centres the chosen
// entry; typing the start of an entry selects it.
#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/transforms.h"

class CMessenger;
class CSkyDoc;
class QListWidget;

class CListSearchDialog : public QDialog {
  Q_OBJECT

 public:
  // The list box (1067).
  QListWidget* List() const { return list_; }
  // The selected entry's text (the entry, whatever its row shows); empty
  // when nothing is selected.
  QString SelectedText() const;

  // OK: message `nothingSelectedMessage` when no entry is selected;
  // otherwise centres the entry's place and closes, or stays open when the
  // place is refused.
  void OnOK();

 protected:
  using PlaceOfEntry = std::function<std::optional<astro::EquatorialCoord>(std::string_view)>;
  // The entry that the text typed so far selects, -1 for none.
  using EntryOfTyped = std::function<int(std::string_view)>;
  // `entries` are shown in their order (already sorted). Typing selects the
  // entry `entryOf` finds, or without it the first entry that starts with
  // the text typed.
  CListSearchDialog(CSkyDoc& doc, CMessenger& messages, int resourceId, const char* caption,
                    const std::vector<std::string>& entries, int nothingSelectedMessage,
                    PlaceOfEntry placeOf, QWidget* parent, EntryOfTyped entryOf = {});
  // Shows row i as `rows[i]` in place of entry i's text; typing then selects
  // by the rows' texts.
  void ShowAs(const QStringList& rows);

 private:
  CSkyDoc& doc_;
  CMessenger& messages_;
  int nothingSelectedMessage_;
  PlaceOfEntry placeOf_;
  QListWidget* list_;
};

// "Search for star...": the stars' proper names.
class CStarSearchDialog : public CListSearchDialog {
 public:
  CStarSearchDialog(CSkyDoc& doc, CMessenger& messages, QWidget* parent = nullptr);
};

// "Search for constellation...": the 88 constellations, by their names in
// the window's language in its order ("Großer Bär (Ursa Major)"), or by
// their Latin names when the settings keep those or the language has none
// of its own.
class CConstellationSearchDialog : public CListSearchDialog {
 public:
  CConstellationSearchDialog(CSkyDoc& doc, CMessenger& messages, QWidget* parent = nullptr);

 private:
  struct Rows {
    std::vector<std::string> Entries;  // the Latin names
    QStringList Shown;
  };
  static Rows NativeRows(const CSkyDoc& doc);
  CConstellationSearchDialog(CSkyDoc& doc, CMessenger& messages, const Rows& rows, QWidget* parent);
};

// "Search for NGC...": every NGC and IC object ("NGC 7000", "IC 434");
// typing "7000", "ngc7000" or "IC 434" selects the object (sky::NgcSearchMatch).
class CNgcSearchDialog : public CListSearchDialog {
 public:
  CNgcSearchDialog(CSkyDoc& doc, CMessenger& messages, QWidget* parent = nullptr);

 private:
  CNgcSearchDialog(CSkyDoc& doc, CMessenger& messages, const std::vector<std::string>& entries,
                   QWidget* parent);
};
