// The colours of the grid, the constellation lines, boundaries and labels,
// the ecliptic, the deep-sky objects and their labels and the star and
// planet names: a button showing each, which opens the colour chooser. A
// chosen colour is in force at once; the dialog has only OK.
#pragma once

#include <QDialog>

class CSkyDoc;
class CSkyView;
namespace ui {
struct ColourButton;
}

class CColoursDialog : public QDialog {
  Q_OBJECT

 public:
  CColoursDialog(CSkyDoc& doc, CSkyView& view, QWidget* parent = nullptr);

 private:
  // Lets the user choose the colour of `colour`'s setting; a chosen colour
  // is stored and shown on its button and in the sky at once.
  void ChooseColour(const ui::ColourButton& colour, QWidget* button);

  CSkyDoc& doc_;
  CSkyView& view_;
};
