#include "ui/main_frame.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>

#include "app/sky_doc.h"
#include "render/sky_view.h"
#include "ui/pane_text.h"
#include "ui/qt_text.h"

CMainFrame::CMainFrame(CSkyDoc& doc, CMessenger& messages) : doc_(doc) {
  // The title is the program's name and never shows a file name.
  setWindowTitle(QtString(res::IDS_APP_TITLE));
  // The frame starts as large as the screen.
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    resize(screen->availableGeometry().size());

  view_ = new CSkyView(doc, messages, this);
  setCentralWidget(view_);
  view_->setFocus();

  // Panes after the message area, each as wide as its widest text.
  raPane_ = AddPane(res::IDS_PANE_RA);
  decPane_ = AddPane(res::IDS_PANE_DEC);
  placePane_ = AddPane(res::IDS_PANE_PLACE);
  timePane_ = AddPane(res::IDS_PANE_TIME);
  datePane_ = AddPane(res::IDS_PANE_DATE);
  connect(view_, &CSkyView::CursorMoved, this, [this] {
    raPane_->setText(view_->RaPaneText());
    decPane_->setText(view_->DecPaneText());
  });
  UpdatePanes();
}

QLabel* CMainFrame::AddPane(int sampleStringId) {
  auto* pane = new QLabel(this);
  pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QtString(sampleStringId)));
  statusBar()->addPermanentWidget(pane);
  return pane;
}

void CMainFrame::UpdatePanes() {
  const astro::CivilTime& t = doc_.DocumentTime;
  placePane_->setText(QtText(doc_.Settings.Location));
  timePane_->setText(QtText(TimePaneText(t.Hour, t.Minute)));
  datePane_->setText(QtText(DatePaneText(t.Year, t.Month, t.Day)));
}
