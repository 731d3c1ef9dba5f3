// The telescope's client against a real INDI server and its telescope
// simulator: connecting, slewing to stars, losing the server mid-slew and
// reconnecting; a server that is not there; a server that sends nonsense.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <mutex>
#include <numbers>
#include <stdexcept>
#include <thread>

#include "astro/clock.h"
#include "sky/indi_mount.h"
#include "sky/mount_target.h"
#include "sky/object_names.h"
#include "sky/sky_doc.h"
#include "tests/indi_server.h"

namespace {

// The mount with what it has said, kept for the test to look at.
struct Mount {
  std::mutex Lock;
  std::vector<std::string> Said;
  sky::IndiMount Client{[] {},
                        [this](const std::string& text) {
                          std::lock_guard lock(Lock);
                          Said.push_back(text);
                        }};

  std::string LastSaid() {
    std::lock_guard lock(Lock);
    return Said.empty() ? std::string() : Said.back();
  }
};

// Krakow's sky with the catalogues read.
std::unique_ptr<CSkyDoc> KrakowSky(AppSettings& settings) {
  auto doc = std::make_unique<CSkyDoc>(settings, catalog::DataFiles{STELLIX_SOURCE_DATA_DIR});
  struct : CCatalogueFailure {
    [[noreturn]] void MissingFile(const char* fileName) override {
      throw std::runtime_error(fileName);
    }
  } failure;
  doc->OnNewDocument(failure, nullptr, astro::CivilTime{2026, 12, 10, 21, 0, 0});
  return doc;
}

// Great-circle distance between two places of date, arc-minutes.
double ArcMinutes(double ra1, double dec1, double ra2, double dec2) {
  const double d = std::numbers::pi / 180;
  const double a1 = ra1 * 15 * d, a2 = ra2 * 15 * d, d1 = dec1 * d, d2 = dec2 * d;
  const double c = std::sin(d1) * std::sin(d2) + std::cos(d1) * std::cos(d2) * std::cos(a1 - a2);
  return std::acos(std::clamp(c, -1.0, 1.0)) / d * 60;
}

// Connects to `server` and chooses its simulator; whether its place came.
bool ConnectSimulator(Mount& mount, const IndiServer& server) {
  if (!mount.Client.Connect("127.0.0.1", server.Port(), 10).empty()) return false;
  if (!WaitUntil([&] { return !mount.Client.Report().Telescopes.empty(); }, 20)) return false;
  if (!mount.Client.Choose(IndiServer::kTelescope, {50.06, 19.94, 220}, "2026-12-10T20:00:00"))
    return false;
  return WaitUntil([&] { return mount.Client.Report().Pointing.has_value(); }, 20);
}

// The simulator's place as indi_getprop reads it from the server.
std::optional<sky::MountPointing> ServerSays(const IndiServer& server) {
  ChildProcess getprop({"indi_getprop", "-p", std::to_string(server.Port()), "-1",
                        std::string(IndiServer::kTelescope) + ".EQUATORIAL_EOD_COORD.*"});
  if (getprop.Finish(20) != 0) return std::nullopt;
  const std::string out = getprop.Out();
  const auto value = [&](const char* key) {
    const std::size_t at = out.find(key);
    return at == std::string::npos ? NAN : std::atof(out.c_str() + at + std::strlen(key));
  };
  return sky::MountPointing{value(".RA="), value(".DEC=")};
}

TEST(IndiMount, SlewsToTwoStarsAndTheSimulatorEndsThere) {
  IndiServer server;
  ASSERT_TRUE(server.Up()) << server.Log();
  Mount mount;
  ASSERT_TRUE(ConnectSimulator(mount, server)) << server.Log();
  EXPECT_EQ(mount.Client.Report().Telescopes, std::vector<std::string>{IndiServer::kTelescope});

  AppSettings settings;  // Krakow, where Capella and Dubhe never set
  const std::unique_ptr<CSkyDoc> sky = KrakowSky(settings);
  CSkyDoc& doc = *sky;
  const std::int64_t now = astro::SecondsOfCivil({2026, 12, 10, 20, 0, 0});
  for (const char* star : {"Capella", "Dubhe"}) {
    const sky::MountTarget target = sky::MountTargetOf(doc, *sky::FindObjectByName(doc, star), now);
    ASSERT_EQ(sky::MountRefusal(target), "") << star;
    ASSERT_TRUE(mount.Client.Slew(target.RaDate, target.DecDate));
    ASSERT_TRUE(
        WaitUntil([&] { return mount.Client.Report().Motion == sky::MountMotion::Slewing; }, 10))
        << star;
    ASSERT_TRUE(
        WaitUntil([&] { return mount.Client.Report().Motion == sky::MountMotion::Tracking; }, 120))
        << star;
    const sky::MountPointing reported = *mount.Client.Report().Pointing;
    EXPECT_LT(ArcMinutes(reported.RaDate, reported.DecDate, target.RaDate, target.DecDate), 5)
        << star;
    const std::optional<sky::MountPointing> read = ServerSays(server);
    ASSERT_TRUE(read) << star;
    EXPECT_LT(ArcMinutes(read->RaDate, read->DecDate, target.RaDate, target.DecDate), 5) << star;
  }
  EXPECT_EQ(mount.LastSaid(), "");
}

TEST(IndiMount, LosesTheServerMidSlewAndConnectsAgain) {
  auto server = std::make_unique<IndiServer>();
  ASSERT_TRUE(server->Up()) << server->Log();
  const int port = server->Port();
  Mount mount;
  ASSERT_TRUE(ConnectSimulator(mount, *server));
  // From the pole where the simulator starts to the celestial equator: a long slew.
  ASSERT_TRUE(mount.Client.Slew(6.0, 0.0));
  ASSERT_TRUE(
      WaitUntil([&] { return mount.Client.Report().Motion == sky::MountMotion::Slewing; }, 10));
  server.reset();
  ASSERT_TRUE(WaitUntil([&] { return !mount.Client.Report().ServerConnected; }, 10));
  EXPECT_EQ(mount.LastSaid(),
            "The INDI server at 127.0.0.1:" + std::to_string(port) + " closed the connection.");
  EXPECT_FALSE(mount.Client.Report().Pointing);
  EXPECT_FALSE(mount.Client.Slew(6.0, 0.0)) << "nothing to send it to";

  IndiServer again(port);
  ASSERT_TRUE(again.Up()) << again.Log();
  EXPECT_TRUE(ConnectSimulator(mount, again));
}

TEST(IndiMount, SaysWhenNoServerAnswers) {
  const int port = FreeLoopbackPort();
  Mount mount;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(mount.Client.Connect("127.0.0.1", port, 10),
            "No INDI server answers at 127.0.0.1:" + std::to_string(port) + ".");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  EXPECT_FALSE(mount.Client.Report().ServerConnected);
}

TEST(IndiMount, RefusesATargetBelowTheHorizon) {
  AppSettings settings;  // Krakow, where the Southern Cross never rises
  const std::unique_ptr<CSkyDoc> sky = KrakowSky(settings);
  CSkyDoc& doc = *sky;
  const sky::MountTarget acrux = sky::MountTargetOf(
      doc, *sky::FindObjectByName(doc, "Acrux"), astro::SecondsOfCivil({2026, 12, 10, 20, 0, 0}));
  EXPECT_LT(acrux.AltitudeDeg, 0);
  EXPECT_EQ(sky::MountRefusal(acrux), "Object under horizon. Not visible.");
}

// The target is the place of the instant given, not of the instant shown,
// and the document shows what it showed before.
TEST(IndiMount, TargetsThePresentWhateverTheViewShows) {
  AppSettings settings;
  CSkyDoc doc(settings);
  const std::int64_t now = astro::SecondsOfCivil({2026, 12, 10, 20, 0, 0});
  const sky::SkyObjectRef moon{sky::SkyObjectRef::Body, 0};
  doc.SetInstant(now);
  doc.UpdateSky();
  const sky::MountTarget shownNow = sky::MountTargetOf(doc, moon, now);
  doc.SetInstant(now - 5 * 86400);
  doc.UpdateSky();
  const double shownRa = doc.Sky.Bodies[0].RightAscension;
  const sky::MountTarget fromThePast = sky::MountTargetOf(doc, moon, now);
  EXPECT_NEAR(fromThePast.RaDate, shownNow.RaDate, 1e-9);
  EXPECT_NEAR(fromThePast.DecDate, shownNow.DecDate, 1e-9);
  EXPECT_EQ(doc.Sky.Bodies[0].RightAscension, shownRa);
  EXPECT_EQ(doc.Sky.Instant.UtSeconds, now - 5 * 86400);
}

// A server that answers with damaged and impossible INDI: the client says
// which field it could not use, keeps no place, and goes on.
TEST(IndiMount, SurvivesAHostileServer) {
  const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(::listen(listener, 1), 0);
  socklen_t size = sizeof address;
  ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size);
  const int port = ntohs(address.sin_port);

  // First a telescope, then, once the client has chosen and connected it,
  // nonsense about its place.
  static const std::string kDevice[] = {
      "<defTextVector device='Scope' name='DRIVER_INFO' state='Idle' perm='ro'>"
      "<defText name='DRIVER_INTERFACE'>1</defText></defTextVector>",
      "<defSwitchVector device='Scope' name='CONNECTION' state='Idle' perm='rw' rule='OneOfMany'>"
      "<defSwitch name='CONNECT'>Off</defSwitch><defSwitch name='DISCONNECT'>On</defSwitch>"
      "</defSwitchVector>",
  };
  static const std::string kNonsense[] = {
      "<setSwitchVector device='Scope' name='CONNECTION' state='Ok'>"
      "<oneSwitch name='CONNECT'>On</oneSwitch><oneSwitch name='DISCONNECT'>Off</oneSwitch>"
      "</setSwitchVector>",
      "<defNumberVector device='Scope' name='EQUATORIAL_EOD_COORD' state='Ok' perm='rw'>"
      "<defNumber name='RA' format='%f' min='0' max='24' step='0'>nan</defNumber>"
      "<defNumber name='DEC' format='%f' min='-90' max='90' step='0'>12</defNumber>"
      "</defNumberVector>",
      "<setNumberVector device='Scope' name='EQUATORIAL_EOD_COORD' state='Busy'>"
      "<oneNumber name='RA'>5</oneNumber><oneNumber name='DEC'>1e308</oneNumber>"
      "</setNumberVector>",
      "<<<>>>&&&<setNumberVector device=\"Scope\" name='EQUATORIAL_EOD_COORD' <oneNumber",
      std::string(100000, 'x'),
      "<setNumberVector device='Scope' name='EQUATORIAL_EOD_COORD' state='Alert'>"
      "<oneNumber name='RA'>25</oneNumber><oneNumber name='DEC'>0</oneNumber></setNumberVector>",
  };
  std::thread hostile([&] {
    const int fd = ::accept(listener, nullptr, nullptr);
    const auto send = [fd](const auto& replies) {
      for (const std::string& reply : replies) {
        [[maybe_unused]] const ssize_t n = ::write(fd, reply.data(), reply.size());
      }
    };
    char buffer[4096];
    std::string heard;
    // Reads until the client has said `what`; false when it went.
    const auto hear = [&](const char* what) {
      while (heard.find(what) == std::string::npos) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got <= 0) return false;
        heard.append(buffer, static_cast<std::size_t>(got));
      }
      return true;
    };
    if (hear("<getProperties")) send(kDevice);
    if (hear("<newSwitchVector")) send(kNonsense);
    // Open until the client goes: the client must not wait for the end.
    while (::read(fd, buffer, sizeof buffer) > 0) {
    }
    ::close(fd);
  });

  {
    Mount mount;
    ASSERT_EQ(mount.Client.Connect("127.0.0.1", port, 10), "");
    ASSERT_TRUE(WaitUntil([&] { return !mount.Client.Report().Telescopes.empty(); }, 10));
    ASSERT_TRUE(mount.Client.Choose("Scope", {}, "2026-12-10T20:00:00"));
    EXPECT_TRUE(WaitUntil(
        [&] {
          std::lock_guard lock(mount.Lock);
          return mount.Said.size() >= 2;
        },
        10));
    EXPECT_TRUE(mount.Client.Report().DeviceConnected);
    EXPECT_FALSE(mount.Client.Report().Pointing);
    mount.Client.Disconnect();
    std::lock_guard lock(mount.Lock);
    for (const std::string& said : mount.Said)
      EXPECT_EQ(said.rfind("The telescope Scope reported an impossible place: ", 0), 0u) << said;
  }
  hostile.join();
  ::close(listener);
}

}  // namespace
