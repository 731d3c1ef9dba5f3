// The telescope commands of the main window (Tools menu, toolbar, card):
// connecting through the INDI client (sky/indi_mount.h) off the window's
// thread, slewing and syncing to the selected object or the view's centre,
// abort, park, unpark and following the telescope. What the client reports
// reaches the document (CSkyDoc::Telescope) on the window's thread through
// queued calls; the view is drawn again as the telescope moves.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>
#include <memory>
#include <optional>
#include <string>

#include "sky/altitude_plot.h"
#include "sky/indi_mount.h"
#include "sky/mount_target.h"
#include "sky/object_names.h"

class CMessenger;
class CSkyDoc;
class CSkyView;
class CTelescopeDialog;
class QWidget;

class CTelescopeControl : public QObject {
  Q_OBJECT

 public:
  CTelescopeControl(CSkyDoc& doc, CSkyView& view, CMessenger& messages, QWidget& owner);
  ~CTelescopeControl() override;

  // Tools > Telescope...: the connection dialog (one, modeless).
  void OpenDialog();
  void SlewToSelected();
  // Slews to `object` (a card's).
  void SlewTo(sky::SkyObjectRef object);
  // Slews to a row of the Tonight list: a planet, or a place that stays put.
  void SlewToTarget(const sky::PlotTarget& target);
  void SyncToSelected();
  void SlewToCentre();
  void Abort();
  void Park();
  void Unpark();
  void ToggleFollowing();

  // The dialog's requests: connect to host:port (at once, without waiting
  // for the server), disconnect, use `device`.
  void ConnectTo(const QString& host, int port);
  void Disconnect();
  void Choose(const QString& device);
  bool Connecting() const { return connecting_ != nullptr; }

  // The status bar's words: the last trouble, or what the telescope is doing.
  QString StatusText() const;

 signals:
  // The telescope's report or the status text changed.
  void Changed();

 private:
  void TakeReport();
  void Said(const QString& text);
  // Sends the mount (slew or sync) to `object`, or the view's centre
  // without one; places below the horizon are refused.
  void GoTo(bool slew, std::optional<sky::SkyObjectRef> object);
  // Slews or syncs the mount to `target`, or says why it may not go there.
  void Send(bool slew, const sky::MountTarget& target);
  bool NeedConnected();

  CSkyDoc& doc_;
  CSkyView& view_;
  CMessenger& messages_;
  QWidget& owner_;
  std::unique_ptr<sky::IndiMount> mount_;
  QThread* connecting_ = nullptr;
  QPointer<CTelescopeDialog> dialog_;
  std::string targetName_;  // what the mount was last sent to
  QString said_;            // what went wrong or was done last, until the next command
};
