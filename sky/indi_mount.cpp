#include "sky/indi_mount.h"

#include <libindi/baseclient.h>
#include <libindi/basedevice.h>
#include <libindi/indiproperty.h>
#include <libindi/indipropertynumber.h>
#include <libindi/indipropertyswitch.h>
#include <libindi/indipropertytext.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <mutex>

#include "res/strings.h"

namespace sky {
namespace {

// The standard properties of a telescope.
constexpr const char* kConnection = "CONNECTION";
constexpr const char* kDriverInfo = "DRIVER_INFO";
constexpr const char* kPlaceOfDate = "EQUATORIAL_EOD_COORD";
constexpr const char* kOnCoordSet = "ON_COORD_SET";
constexpr const char* kAbort = "TELESCOPE_ABORT_MOTION";
constexpr const char* kPark = "TELESCOPE_PARK";
constexpr const char* kTrackState = "TELESCOPE_TRACK_STATE";
constexpr const char* kGeographic = "GEOGRAPHIC_COORD";
constexpr const char* kTimeUtc = "TIME_UTC";

// Whether a device's DRIVER_INFO says it is a telescope (interface bit 1).
bool IsTelescopeDriver(const INDI::PropertyText& info) {
  const auto* widget = info.findWidgetByName("DRIVER_INTERFACE");
  if (!widget || !widget->getText()) return false;
  char* end = nullptr;
  const long interfaces = std::strtol(widget->getText(), &end, 10);
  return end != widget->getText() && (interfaces & 1) != 0;
}

// A reported number as the message shows it: six significant digits.
std::string Number(double x) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", x);
  return text;
}

bool SwitchOn(const INDI::PropertySwitch& property, const char* element) {
  const auto* widget = property.findWidgetByName(element);
  return widget && widget->getState() == ISS_ON;
}

// A number of a number vector; nothing when the element is missing.
std::optional<double> NumberOf(const INDI::PropertyNumber& property, const char* element) {
  const auto* widget = property.findWidgetByName(element);
  if (!widget) return std::nullopt;
  return widget->getValue();
}

}  // namespace

class IndiMount::Client : public INDI::BaseClient {
 public:
  Client(Changed changed, Message message)
      : changed_(std::move(changed)), message_(std::move(message)) {}
  ~Client() override { Stop(); }

  std::string Connect(const std::string& host, int port, int timeoutSeconds) {
    Stop();
    {
      std::lock_guard lock(mutex_);
      report_ = MountReport{};
      host_ = host;
      port_ = port;
      leaving_ = false;
    }
    setServer(host.c_str(), static_cast<unsigned>(port));
    setConnectionTimeout(static_cast<uint32_t>(timeoutSeconds), 0);
    if (!connectServer())
      return res::Format(res::IDS_MOUNT_NO_SERVER, {host, std::to_string(port)});
    return {};
  }

  void Stop() {
    {
      std::lock_guard lock(mutex_);
      leaving_ = true;
    }
    if (isServerConnected()) disconnectServer();
    std::lock_guard lock(mutex_);
    report_.ServerConnected = false;
    report_.DeviceConnected = false;
    report_.Pointing.reset();
  }

  bool Choose(const std::string& device, const MountSite& site, const std::string& utcIso) {
    {
      std::lock_guard lock(mutex_);
      if (std::find(report_.Telescopes.begin(), report_.Telescopes.end(), device) ==
          report_.Telescopes.end())
        return false;
      report_.Device = device;
      report_.DeviceConnected = false;
      report_.Pointing.reset();
      site_ = site;
      utc_ = utcIso;
    }
    connectDevice(device.c_str());
    // A device already connected (by another client) does not answer the
    // connection again: take what the server has told of it so far.
    const INDI::BaseDevice known = getDevice(device.c_str());
    if (known.isValid())
      for (const char* name : {kConnection, kTrackState, kPark, kPlaceOfDate})
        if (const INDI::Property property = known.getProperty(name); property.isValid())
          updateProperty(property);
    return true;
  }

  bool Send(const char* property, std::initializer_list<const char*> onSwitches) {
    const std::string device = ConnectedDevice();
    if (device.empty()) return false;
    INDI::PropertySwitch vector(onSwitches.size());
    vector.setDeviceName(device.c_str());
    vector.setName(property);
    std::size_t i = 0;
    for (const char* element : onSwitches) {
      vector[i].setName(element);
      vector[i].setState(ISS_ON);
      ++i;
    }
    sendNewSwitch(vector);
    return true;
  }

  bool GoTo(const char* how, double raDate, double decDate) {
    if (!Send(kOnCoordSet, {how})) return false;
    INDI::PropertyNumber place(2);
    const std::string device = ConnectedDevice();
    place.setDeviceName(device.c_str());
    place.setName(kPlaceOfDate);
    place[0].setName("RA");
    place[0].setValue(raDate);
    place[1].setName("DEC");
    place[1].setValue(decDate);
    sendNewNumber(place);
    return true;
  }

  MountReport Report() const {
    std::lock_guard lock(mutex_);
    return report_;
  }

 protected:
  void serverConnected() override {
    {
      std::lock_guard lock(mutex_);
      report_.ServerConnected = true;
    }
    changed_();
  }

  void serverDisconnected(int) override {
    std::string said;
    {
      std::lock_guard lock(mutex_);
      if (!leaving_) said = res::Format(res::IDS_MOUNT_SERVER_LOST, {host_, std::to_string(port_)});
      report_.ServerConnected = false;
      report_.DeviceConnected = false;
      report_.Telescopes.clear();
      report_.Pointing.reset();
      report_.Motion = MountMotion::Idle;
    }
    if (!said.empty()) message_(said);
    changed_();
  }

  void newProperty(INDI::Property property) override {
    const std::string device = property.getDeviceName();
    bool connectNow = false;
    {
      std::lock_guard lock(mutex_);
      const bool telescope =
          property.isNameMatch(kPlaceOfDate) ||
          (property.isNameMatch(kDriverInfo) && IsTelescopeDriver(INDI::PropertyText(property)));
      if (telescope && std::find(report_.Telescopes.begin(), report_.Telescopes.end(), device) ==
                           report_.Telescopes.end())
        report_.Telescopes.push_back(device);
      // A device chosen before the server had described it is connected now.
      connectNow =
          property.isNameMatch(kConnection) && device == report_.Device && !report_.DeviceConnected;
    }
    if (connectNow) connectDevice(device.c_str());
    updateProperty(property);
    changed_();
  }

  void removeDevice(INDI::BaseDevice device) override {
    const std::string name = device.getDeviceName();
    {
      std::lock_guard lock(mutex_);
      std::erase(report_.Telescopes, name);
      if (name == report_.Device) {
        report_.DeviceConnected = false;
        report_.Pointing.reset();
      }
    }
    changed_();
  }

  void updateProperty(INDI::Property property) override {
    std::string said;
    bool sendSite = false;
    {
      std::lock_guard lock(mutex_);
      if (report_.Device.empty() || report_.Device != property.getDeviceName()) return;
      if (property.isNameMatch(kConnection)) {
        const bool on = SwitchOn(INDI::PropertySwitch(property), "CONNECT");
        sendSite = on && !report_.DeviceConnected;
        report_.DeviceConnected = on;
        if (!on) report_.Pointing.reset();
      } else if (property.isNameMatch(kPlaceOfDate)) {
        said = TakePlace(INDI::PropertyNumber(property), property.getState());
      } else if (property.isNameMatch(kPark)) {
        const INDI::PropertySwitch park(property);
        if (property.getState() == IPS_BUSY)
          report_.Motion = MountMotion::Parking;
        else if (SwitchOn(park, "PARK"))
          report_.Motion = MountMotion::Parked;
        else if (report_.Motion == MountMotion::Parked || report_.Motion == MountMotion::Parking)
          report_.Motion = MountMotion::Idle;
      } else if (property.isNameMatch(kTrackState)) {
        tracking_ = SwitchOn(INDI::PropertySwitch(property), "TRACK_ON");
      } else {
        return;
      }
    }
    if (sendSite) SendSiteAndTime();
    if (!said.empty()) message_(said);
    changed_();
  }

 private:
  // Takes the place of date the device reports (under the lock); what to
  // tell the user about it, if anything.
  std::string TakePlace(const INDI::PropertyNumber& place, IPState state) {
    const std::optional<double> ra = NumberOf(place, "RA"), dec = NumberOf(place, "DEC");
    if (!ra || !dec || !std::isfinite(*ra) || !std::isfinite(*dec) || *ra < 0 || *ra > 24 ||
        std::fabs(*dec) > 90) {
      const std::string field = !ra    ? "no RA"
                                : !dec ? "no DEC"
                                       : "RA " + Number(*ra) + ", DEC " + Number(*dec);
      return res::Format(res::IDS_MOUNT_BAD_PLACE, {report_.Device, field});
    }
    report_.Pointing = MountPointing{std::fmod(*ra, 24.0), *dec};
    ++report_.Reports;
    if (report_.Motion == MountMotion::Parked || report_.Motion == MountMotion::Parking) return {};
    switch (state) {
      case IPS_BUSY:
        report_.Motion = MountMotion::Slewing;
        return {};
      case IPS_ALERT: {
        const bool wasSlewing = report_.Motion == MountMotion::Slewing;
        report_.Motion = MountMotion::Idle;
        return wasSlewing ? res::Format(res::IDS_MOUNT_TARGET_MISSED, report_.Device)
                          : std::string();
      }
      default:
        report_.Motion = tracking_ ? MountMotion::Tracking : MountMotion::Idle;
        return {};
    }
  }

  void SendSiteAndTime() {
    MountSite site;
    std::string device, utc;
    {
      std::lock_guard lock(mutex_);
      site = site_;
      device = report_.Device;
      utc = utc_;
    }
    INDI::PropertyNumber geographic(3);
    geographic.setDeviceName(device.c_str());
    geographic.setName(kGeographic);
    geographic[0].setName("LAT");
    geographic[0].setValue(site.LatitudeDeg);
    // INDI counts longitudes east from Greenwich through 360.
    geographic[1].setName("LONG");
    geographic[1].setValue(site.LongitudeEastDeg < 0 ? site.LongitudeEastDeg + 360
                                                     : site.LongitudeEastDeg);
    geographic[2].setName("ELEV");
    geographic[2].setValue(site.ElevationM);
    sendNewNumber(geographic);
    INDI::PropertyText time(2);
    time.setDeviceName(device.c_str());
    time.setName(kTimeUtc);
    time[0].setName("UTC");
    time[0].setText(utc);
    time[1].setName("OFFSET");
    time[1].setText("0");
    sendNewText(time);
  }

  std::string ConnectedDevice() const {
    std::lock_guard lock(mutex_);
    return report_.ServerConnected && report_.DeviceConnected ? report_.Device : std::string();
  }

  Changed changed_;
  Message message_;
  mutable std::mutex mutex_;
  MountReport report_;
  std::string host_;
  int port_ = 0;
  bool leaving_ = false;  // the disconnection is ours: nothing to tell
  bool tracking_ = false;
  MountSite site_;
  std::string utc_;
};

IndiMount::IndiMount(Changed changed, Message message)
    : client_(std::make_unique<Client>(std::move(changed), std::move(message))) {}

IndiMount::~IndiMount() = default;

std::string IndiMount::Connect(const std::string& host, int port, int timeoutSeconds) {
  return client_->Connect(host, port, timeoutSeconds);
}

void IndiMount::Disconnect() { client_->Stop(); }

bool IndiMount::Choose(const std::string& device, const MountSite& site,
                       const std::string& utcIso) {
  return client_->Choose(device, site, utcIso);
}

bool IndiMount::Slew(double raDate, double decDate) {
  return client_->GoTo("TRACK", raDate, decDate);
}

bool IndiMount::Sync(double raDate, double decDate) {
  return client_->GoTo("SYNC", raDate, decDate);
}

bool IndiMount::Abort() { return client_->Send(kAbort, {"ABORT"}); }

bool IndiMount::Park() { return client_->Send(kPark, {"PARK"}); }

bool IndiMount::Unpark() { return client_->Send(kPark, {"UNPARK"}); }

MountReport IndiMount::Report() const { return client_->Report(); }

}  // namespace sky
