#include "ui/dialog_commands.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QWhatsThis>

#include "render/sky_view.h"
#include "res/strings.h"
#include "sky/messages.h"
#include "sky/sky_doc.h"
#include "ui/altitude_plot_window.h"
#include "ui/body_search_dialog.h"
#include "ui/colours_dialog.h"
#include "ui/context_help.h"
#include "ui/date_time_dialog.h"
#include "ui/deep_sky_dialog.h"
#include "ui/fields_dialog.h"
#include "ui/goto_dialog.h"
#include "ui/help_pages.h"
#include "ui/help_window.h"
#include "ui/language_dialog.h"
#include "ui/list_search_dialog.h"
#include "ui/location_dialog.h"
#include "ui/magnitude_limits_dialog.h"
#include "ui/messier_search_dialog.h"
#include "ui/splash_window.h"
#include "ui/tonight_window.h"

CDialogCommands::CDialogCommands(CSkyDoc& doc, CSkyView& view, CMessenger& messages, QWidget& owner)
    : doc_(doc),
      view_(view),
      messages_(messages),
      owner_(owner),
      helpDirectory_(QString::fromStdString(doc.Files().Path("help"))) {}

void CDialogCommands::DateTime() {
  CDateTimeDialog dialog(doc_, view_, &owner_);
  if (dialog.exec() == QDialog::Accepted) emit TimeOrPlaceChanged();
}

void CDialogCommands::Location() {
  CLocationDialog dialog(doc_, view_, messages_, &owner_);
  if (dialog.exec() == QDialog::Accepted) emit TimeOrPlaceChanged();
}

void CDialogCommands::MagnitudeLimits() {
  CMagnitudeLimitsDialog dialog(doc_, view_, messages_, &owner_);
  dialog.exec();
}

void CDialogCommands::DeepSkyOptions() {
  CDeepSkyDialog dialog(doc_, view_, &owner_);
  dialog.exec();
}

void CDialogCommands::Colours() {
  CColoursDialog dialog(doc_, view_, &owner_);
  dialog.exec();
}

void CDialogCommands::Language() {
  AppSettings& settings = doc_.Settings();
  CLanguageDialog dialog(QString::fromStdString(settings.Language),
                         settings.LatinConstellationNames != 0, &owner_);
  if (dialog.exec() != QDialog::Accepted) return;
  settings.Language = dialog.Language().toStdString();
  settings.LatinConstellationNames = dialog.LatinConstellationNames() ? 1 : 0;
  view_.Redraw();
}

void CDialogCommands::DefineFields() {
  CFieldsDialog dialog(doc_, view_, messages_, &owner_);
  dialog.exec();
}

void CDialogCommands::ImportOrbitalElements() {
  QFileDialog dialog(&owner_);
  dialog.setObjectName("ImportElementsDialog");
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::ReadOnly);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setNameFilters({tr("Orbital elements (*.DAT *.dat *.txt *.TXT)"), tr("All files (*)")});
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  std::vector<std::string> paths;
  for (const QString& file : dialog.selectedFiles()) paths.push_back(file.toStdString());
  const sky::ElementsImportResult result = doc_.ImportElements(paths);
  if (!result.Error.empty()) {
    messages_.Show(MessageIcon::Exclamation, result.Error);
    return;
  }
  view_.Redraw();
  messages_.Show(MessageIcon::Information,
                 tr("%n orbital elements were read; they are kept in \"%1\" for the next start.",
                    "", static_cast<int>(result.Read))
                     .arg(QString::fromUtf8(sky::kKeptElementsFile))
                     .toStdString());
}

template <typename SearchDialog>
void CDialogCommands::RunSearch() {
  SearchDialog dialog(doc_, messages_, &owner_);
  if (dialog.exec() == QDialog::Accepted) view_.Redraw();
}

void CDialogCommands::SearchStar() { RunSearch<CStarSearchDialog>(); }
void CDialogCommands::SearchConstellation() { RunSearch<CConstellationSearchDialog>(); }
void CDialogCommands::SearchSolarSystem() { RunSearch<CBodySearchDialog>(); }
void CDialogCommands::SearchMessier() { RunSearch<CMessierSearchDialog>(); }
void CDialogCommands::SearchNgc() { RunSearch<CNgcSearchDialog>(); }
void CDialogCommands::GotoCoordinates() { RunSearch<CGotoDialog>(); }

void CDialogCommands::Tonight() {
  if (!tonight_) {
    tonight_ = new CTonightWindow(
        doc_, messages_,
        [this] {
          emit TimeOrPlaceChanged();
          view_.Redraw();
        },
        &owner_);
    tonight_->setAttribute(Qt::WA_DeleteOnClose);
    connect(tonight_, &CTonightWindow::AltitudePlotRequested, this,
            &CDialogCommands::ShowAltitudePlot);
    connect(tonight_, &CTonightWindow::SlewRequested, this, &CDialogCommands::SlewRequested);
  }
  tonight_->show();
  tonight_->raise();
  tonight_->activateWindow();
}

void CDialogCommands::AltitudePlot() {
  if (!doc_.Selected) {
    messages_.Show(MessageIcon::Information, res::String(res::IDS_PLOT_NOTHING_SELECTED));
    return;
  }
  ShowAltitudePlot(sky::PlotTargetOf(doc_, *doc_.Selected));
}

void CDialogCommands::ShowAltitudePlot(const sky::PlotTarget& target) {
  if (!plot_) {
    plot_ = new CAltitudePlotWindow(doc_, messages_, &owner_);
    plot_->setAttribute(Qt::WA_DeleteOnClose);
  }
  plot_->ShowTarget(target);
  plot_->show();
  plot_->raise();
  plot_->activateWindow();
}

CAltitudePlotWindow* CDialogCommands::AltitudePlotWindow() const { return plot_; }

void CDialogCommands::FollowDocument() {
  if (tonight_) tonight_->Follow();
  if (plot_) plot_->Follow();
}

void CDialogCommands::HelpContents() { ShowHelp(QString::fromUtf8(ui::kHelpContentsPage)); }
void CDialogCommands::UsingHelp() { ShowHelp(QString::fromUtf8(ui::kUsingHelpPage)); }

void CDialogCommands::ContextHelp() {
  QWidget* focus = QApplication::focusWidget();
  if (!focus) focus = QApplication::activeWindow();
  ShowHelp(ui::HelpPageForWidget(focus ? focus : &owner_));
}

void CDialogCommands::WhatsThis() { QWhatsThis::enterWhatsThisMode(); }

void CDialogCommands::About() {
  CSplashWindow* window = CSplashWindow::Open(CSplashWindow::Mode::About, &owner_);
  if (window)
    connect(window, &CSplashWindow::DataSourcesRequested, this, &CDialogCommands::ShowDataSources,
            Qt::UniqueConnection);
}

void CDialogCommands::ShowDataSources() { ShowHelp(QString::fromUtf8(ui::kSourcesHelpPage)); }

CHelpWindow* CDialogCommands::HelpWindow() const { return helpWindow_; }

void CDialogCommands::ShowHelp(const QString& page) {
  // A modal dialog blocks every window but its own: the page it asks for
  // opens in a help window of the dialog's.
  QWidget* owner = QApplication::activeModalWidget();
  if (!owner) owner = &owner_;
  auto* window = owner->findChild<CHelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
  if (!window) window = new CHelpWindow(helpDirectory_, owner);
  helpWindow_ = window;
  window->ShowPage(page);
}
