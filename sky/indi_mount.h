// A telescope mount reached through an INDI server: the client that connects
// to the server, lists its telescopes, connects the chosen one, tells it the
// observer's place and the time, and slews, syncs, aborts, parks and unparks
// it. No protocol of the program's own: INDI's client library speaks to the
// server, on a thread of its own.
//
// Thread use: the library calls back on its thread; what it reports is kept
// under a lock and read with Report(). The `changed` and `message`
// functions given to the constructor are called on the library's thread
// (without the lock held; Choose may call them on its caller's thread):
// they must only hand the news over (a queued
// signal, a condition variable).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "sky/mount_report.h"

namespace sky {

class IndiMount {
 public:
  using Changed = std::function<void()>;
  using Message = std::function<void(const std::string&)>;

  IndiMount(Changed changed, Message message);
  ~IndiMount();
  IndiMount(const IndiMount&) = delete;
  IndiMount& operator=(const IndiMount&) = delete;

  // Connects to the server at host:port, waiting at most `timeoutSeconds`
  // for it; an empty string on success, else why not (one line). Blocks the
  // calling thread meanwhile: the window calls it off its own thread.
  std::string Connect(const std::string& host, int port, int timeoutSeconds);
  // Ends the connection to the server; nothing when there is none.
  void Disconnect();

  // Chooses the telescope `device` of the server and connects it; once it
  // is connected it is sent `site` and the present UTC (`utcIso`,
  // "YYYY-MM-DDTHH:MM:SS"). False when the server offers no such telescope.
  bool Choose(const std::string& device, const MountSite& site, const std::string& utcIso);

  // The commands to the chosen telescope, a place of date (JNow: hours,
  // degrees). False, and nothing sent, without a connected telescope.
  bool Slew(double raDate, double decDate);
  bool Sync(double raDate, double decDate);
  bool Abort();
  bool Park();
  bool Unpark();

  MountReport Report() const;

 private:
  class Client;
  std::unique_ptr<Client> client_;
};

}  // namespace sky
