#include "ui/telescope_control.h"

#include <ctime>

#include "render/sky_view.h"
#include "res/qt_text.h"
#include "res/strings.h"
#include "sky/follow.h"
#include "sky/messages.h"
#include "sky/mount_target.h"
#include "sky/sky_doc.h"
#include "ui/telescope_dialog.h"

namespace {

// The server is given up after this; the window does not wait for it.
constexpr int kServerSeconds = 8;

// Whether two reports show the same: the count of reports aside.
bool SameSight(sky::MountReport a, sky::MountReport b) {
  a.Reports = b.Reports = 0;
  return a == b;
}

}  // namespace

CTelescopeControl::CTelescopeControl(CSkyDoc& doc, CSkyView& view, CMessenger& messages,
                                     QWidget& owner)
    : doc_(doc), view_(view), messages_(messages), owner_(owner) {
  // The client calls back on its own thread: hand the news to this one.
  mount_ = std::make_unique<sky::IndiMount>(
      [this] {
        QMetaObject::invokeMethod(
            this, [this] { TakeReport(); }, Qt::QueuedConnection);
      },
      [this](const std::string& text) {
        const QString said = QtText(text);
        QMetaObject::invokeMethod(
            this, [this, said] { Said(said); }, Qt::QueuedConnection);
      });
}

CTelescopeControl::~CTelescopeControl() {
  if (connecting_) connecting_->wait();
  delete connecting_;
  mount_.reset();
}

void CTelescopeControl::OpenDialog() {
  if (!dialog_) {
    dialog_ = new CTelescopeDialog(doc_, *this, &owner_);
    dialog_->setAttribute(Qt::WA_DeleteOnClose);
  }
  dialog_->show();
  dialog_->raise();
  dialog_->activateWindow();
}

void CTelescopeControl::ConnectTo(const QString& host, int port) {
  if (connecting_) return;
  doc_.Settings().TelescopeHost = host.toStdString();
  doc_.Settings().TelescopePort = port;
  said_ =
      QtText(res::Format(res::IDS_MOUNT_CONNECTING, {host.toStdString(), std::to_string(port)}));
  targetName_.clear();
  emit Changed();
  connecting_ = QThread::create([this, host = host.toStdString(), port] {
    const std::string why = mount_->Connect(host, port, kServerSeconds);
    QMetaObject::invokeMethod(
        this,
        [this, why] {
          connecting_->wait();
          delete connecting_;
          connecting_ = nullptr;
          said_ = QtText(why);
          TakeReport();
          emit Changed();
        },
        Qt::QueuedConnection);
  });
  connecting_->start();
}

void CTelescopeControl::Disconnect() {
  if (connecting_) return;
  mount_->Disconnect();
  said_ = QtString(res::IDS_MOUNT_DISCONNECTED);
  TakeReport();
  emit Changed();
}

void CTelescopeControl::Choose(const QString& device) {
  doc_.Settings().TelescopeDevice = device.toStdString();
  mount_->Choose(device.toStdString(), sky::SiteOf(doc_), sky::MountUtcText(std::time(nullptr)));
}

void CTelescopeControl::TakeReport() {
  const sky::MountReport report = mount_->Report();
  // The telescope of the settings is used as soon as the server offers it;
  // so is the only one offered.
  if (report.ServerConnected && report.Device.empty() && !report.Telescopes.empty()) {
    const std::string& remembered = doc_.Settings().TelescopeDevice;
    for (const std::string& device : report.Telescopes)
      if (device == remembered || report.Telescopes.size() == 1) {
        Choose(QString::fromStdString(device));
        break;
      }
  }
  if (SameSight(doc_.Telescope, report)) return;
  doc_.Telescope = report;
  if (!report.DeviceConnected && doc_.Run.Following == sky::kFollowingTelescope)
    doc_.Run.Following = 0;
  view_.Redraw();
  emit Changed();
}

void CTelescopeControl::Said(const QString& text) {
  said_ = text;
  emit Changed();
}

bool CTelescopeControl::NeedConnected() {
  if (doc_.Telescope.DeviceConnected) return true;
  messages_.Show(MessageIcon::Exclamation, res::String(res::IDS_MOUNT_NOT_CONNECTED));
  return false;
}

void CTelescopeControl::GoTo(bool slew, std::optional<sky::SkyObjectRef> object) {
  if (!NeedConnected()) return;
  const std::int64_t now = std::time(nullptr);
  if (object) return Send(slew, sky::MountTargetOf(doc_, *object, now));
  double ra = 0, dec = 0;
  if (!doc_.WindowToSky(view_.Geometry, view_.Geometry.CentreX, view_.Geometry.CentreY, view_.Zoom,
                        ra, dec))
    return;
  Send(slew, sky::MountTargetOfPlace(doc_, ra, dec,
                                     std::string(res::String(res::IDS_MOUNT_VIEW_CENTRE)), now));
}

void CTelescopeControl::Send(bool slew, const sky::MountTarget& target) {
  if (const std::string refusal = sky::MountRefusal(target); !refusal.empty()) {
    messages_.Show(MessageIcon::Exclamation, refusal);
    return;
  }
  if (slew) {
    targetName_ = target.Name;
    said_.clear();
    mount_->Slew(target.RaDate, target.DecDate);
  } else {
    mount_->Sync(target.RaDate, target.DecDate);
    said_ = QtText(res::Format(res::IDS_MOUNT_SYNCED, {doc_.Telescope.Device, target.Name}));
  }
  emit Changed();
}

void CTelescopeControl::SlewToTarget(const sky::PlotTarget& target) {
  if (target.Body >= 0) return GoTo(true, sky::SkyObjectRef{sky::SkyObjectRef::Body, target.Body});
  if (!NeedConnected()) return;
  Send(true, sky::MountTargetOfPlace(doc_, target.RaJ2000, target.DecJ2000, target.Name,
                                     std::time(nullptr)));
}

void CTelescopeControl::SlewToSelected() {
  if (!doc_.Selected)
    messages_.Show(MessageIcon::Exclamation, res::String(res::IDS_MOUNT_NOTHING_SELECTED));
  else
    GoTo(true, doc_.Selected);
}

void CTelescopeControl::SyncToSelected() {
  if (!doc_.Selected)
    messages_.Show(MessageIcon::Exclamation, res::String(res::IDS_MOUNT_NOTHING_SELECTED));
  else
    GoTo(false, doc_.Selected);
}

void CTelescopeControl::SlewTo(sky::SkyObjectRef object) { GoTo(true, object); }
void CTelescopeControl::SlewToCentre() { GoTo(true, std::nullopt); }

void CTelescopeControl::Abort() {
  if (!NeedConnected()) return;
  mount_->Abort();
  said_ = QtText(res::Format(res::IDS_MOUNT_ABORTED, doc_.Telescope.Device));
  emit Changed();
}

void CTelescopeControl::Park() {
  if (!NeedConnected()) return;
  said_.clear();
  mount_->Park();
}

void CTelescopeControl::Unpark() {
  if (!NeedConnected()) return;
  said_.clear();
  mount_->Unpark();
}

void CTelescopeControl::ToggleFollowing() {
  if (doc_.Run.Following == sky::kFollowingTelescope) {
    doc_.Run.Following = 0;
  } else if (!NeedConnected()) {
    return;
  } else if (!sky::StartFollowingTelescope(doc_)) {
    messages_.Show(MessageIcon::Exclamation, res::String(res::IDS_OBJECT_UNDER_HORIZON));
    return;
  }
  view_.Redraw();
  emit Changed();
}

QString CTelescopeControl::StatusText() const {
  if (!said_.isEmpty()) return said_;
  return QtText(sky::MountStatusText(doc_.Telescope, targetName_));
}
