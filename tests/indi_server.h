// A real INDI server with the telescope simulator, on a free loopback port,
// owned by the test: its own process group and HOME (the simulator keeps its
// configuration and park data there), stopped however the test ends.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>

#include "tests/child_process.h"
#include "tests/test_files.h"

// A loopback port nobody listens on now (the kernel's choice of a free one).
inline int FreeLoopbackPort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  int port = 0;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0)
    port = ntohs(address.sin_port);
  ::close(fd);
  return port;
}

// Whether something accepts connections on the loopback port.
inline bool Listening(int port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<uint16_t>(port));
  const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return ok;
}

class IndiServer {
 public:
  static constexpr const char* kTelescope = "Telescope Simulator";

  // On a port of its own choice, or on `port` (a restart on the same one).
  explicit IndiServer(int port = 0) : port_(port ? port : FreeLoopbackPort()) { Start(); }

  void Start() {
    // The local socket (an abstract one) is named after the port: each
    // server of the test run has its own.
    process_ = ChildProcess({"indiserver", "-p", std::to_string(port_), "-u",
                             "/stellix-test/indiserver-" + std::to_string(port_),
                             "indi_simulator_telescope"},
                            {.Env = {"HOME=" + home_.Path().string()}});
    WaitUntil([this] { return Listening(port_) || !process_.Running(); }, 20);
  }
  void Stop() { process_.Stop(); }

  bool Up() const { return process_.Running() && Listening(port_); }
  int Port() const { return port_; }
  std::string Log() const { return process_.Err(); }

 private:
  int port_;
  ScratchDir home_;
  ChildProcess process_;
};
