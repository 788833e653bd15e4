// vantor-panel serve: the panel behind a small web server. The page (the
// files of web/, built into the program) shows every open window as it is
// drawn, and sends clicks and settings back; docs/viewer.md lists the
// endpoints and the event stream.
#pragma once

#include <atomic>
#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <thread>

#include "panel/panel.h"
#include "viewer/simulation.h"

namespace httplib {
class Server;
}

namespace vantor::viewer {

struct ServerOptions {
  std::string bind = "127.0.0.1";
  int port = 8080;  // 0: any free port
  double dpi = 96;  // the screen's, for the page's true-size mode
  size_t max_body_bytes = 16 * 1024;
  int max_streams = 8;  // event streams at once; each holds a connection thread
  SimulationOptions simulation;
};

class Server {
 public:
  Server(std::unique_ptr<Panel> panel, ServerOptions options);
  ~Server();
  Server(const Server&) = delete;
  Server& operator=(const Server&) = delete;

  // Binds, starts the panel's thread and serves in the background; returns
  // the port. Throws std::runtime_error when the address cannot be bound.
  int Start();
  // Ends every stream and request and stops the panel's thread.
  void Stop();
  // What to open in a browser, e.g. "http://127.0.0.1:8080/".
  std::string Address() const;

 private:
  void Route();

  ServerOptions options_;
  Simulation simulation_;
  std::unique_ptr<httplib::Server> http_;
  std::thread serving_;
  std::atomic<bool> serving_ended_{false};
  int port_ = 0;
  std::atomic<int> streams_{0};
  std::map<uint32_t, std::string> hit_maps_;  // touched on the panel's thread only
};

// Address checks shared with the command line.
bool IsLoopback(const std::string& address);

}  // namespace vantor::viewer
