// The faintest stars and deep-sky objects drawn: two sliders, or the
// automatic mode in which the limits follow the zoom.
#pragma once

#include <QDialog>

class CSkyDoc;
class CSkyView;
class QCheckBox;
class QSlider;

class CMagnitudeLimitsDialog : public QDialog {
  Q_OBJECT

 public:
  CMagnitudeLimitsDialog(CSkyDoc& doc, CSkyView& view, QWidget* parent = nullptr);

  // Stores the mode and the limits (the sliders', or those of the view's zoom
  // in the automatic mode), closes and redraws.
  void accept() override;

 private:
  CSkyDoc& doc_;
  CSkyView& view_;
  QSlider* stars_;
  QSlider* deepSky_;
  QCheckBox* autoMode_;
};
