// The faintest stars and deep-sky objects drawn: two sliders, or the
// automatic mode in which the limits follow the zoom; and the faintest
// comets and minor planets, typed.
#pragma once

#include <QDialog>

class CMessenger;
class CSkyDoc;
class CSkyView;
class QCheckBox;
class QLineEdit;
class QSlider;

class CMagnitudeLimitsDialog : public QDialog {
  Q_OBJECT

 public:
  CMagnitudeLimitsDialog(CSkyDoc& doc, CSkyView& view, CMessenger& messages,
                         QWidget* parent = nullptr);

  // Stores the mode and the limits (the sliders', or those of the view's zoom
  // in the automatic mode, and the comets' and minor planets' typed one),
  // closes and redraws; a typed limit that is not one is said and changes
  // nothing.
  void accept() override;

 private:
  CSkyDoc& doc_;
  CSkyView& view_;
  CMessenger& messages_;
  QSlider* stars_;
  QSlider* deepSky_;
  QCheckBox* autoMode_;
  QLineEdit* smallBodies_;
};
