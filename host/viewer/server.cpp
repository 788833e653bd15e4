#include "viewer/server.h"

#include <httplib.h>

#include <chrono>
#include <cmath>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>

#include "model/catalogue.h"
#include "viewer/assets.h"
#include "viewer/state.h"

namespace vantor::viewer {

using nlohmann::json;
using httplib::Request;
using httplib::Response;

namespace {

// A request the server turns down, with the status and the words the page
// shows.
struct Refusal : std::runtime_error {
  int status;
  Refusal(int status, const std::string& message) : std::runtime_error(message), status(status) {}
};

void Reply(Response& res, int status, const json& body) {
  res.status = status;
  res.set_content(body.dump(), "application/json");
}

std::string Quoted(std::string_view name) { return "\"" + std::string(name) + "\""; }

// The body of a POST: a JSON object with only the fields the endpoint knows.
json Body(const Request& req, std::initializer_list<std::string_view> fields) {
  if (req.get_header_value("Content-Type").rfind("application/json", 0) != 0)
    throw Refusal(415, "send the body as JSON, with Content-Type: application/json");
  json body = json::parse(req.body, nullptr, false);
  if (body.is_discarded()) throw Refusal(400, "the body is not valid JSON");
  if (!body.is_object()) throw Refusal(400, "the body must be a JSON object");
  for (const auto& [key, value] : body.items())
    if (std::find(fields.begin(), fields.end(), key) == fields.end()) throw Refusal(400, "unknown field " + Quoted(key));
  return body;
}

const json& Field(const json& body, std::string_view name) {
  auto it = body.find(name);
  if (it == body.end()) throw Refusal(400, Quoted(name) + " is missing");
  return *it;
}

double Number(const json& body, std::string_view name) {
  const json& v = Field(body, name);
  if (!v.is_number()) throw Refusal(400, Quoted(name) + " must be a number");
  const double d = v.get<double>();
  if (!std::isfinite(d)) throw Refusal(400, Quoted(name) + " must be a finite number");
  return d;
}

int64_t Integer(const json& body, std::string_view name, int64_t low, int64_t high) {
  const double d = Number(body, name);
  if (d != std::floor(d)) throw Refusal(400, Quoted(name) + " must be a whole number");
  if (d < double(low) || d > double(high))
    throw Refusal(400, Quoted(name) + " must be from " + std::to_string(low) + " to " + std::to_string(high));
  return static_cast<int64_t>(d);
}

bool Boolean(const json& body, std::string_view name) {
  const json& v = Field(body, name);
  if (!v.is_boolean()) throw Refusal(400, Quoted(name) + " must be true or false");
  return v.get<bool>();
}

std::string Text(const json& body, std::string_view name) {
  const json& v = Field(body, name);
  if (!v.is_string()) throw Refusal(400, Quoted(name) + " must be a string");
  return v.get<std::string>();
}

uint32_t WindowId(const json& body) { return static_cast<uint32_t>(Integer(body, "window", 0, 0xFFFFFFFF)); }

const PanelWindow& KnownWindow(const Panel& panel, uint32_t id) {
  const PanelWindow* w = panel.Window(id);
  if (w == nullptr) throw Refusal(404, "the panel has no window " + std::to_string(id));
  return *w;
}

// A catalogued variable by name, by number, or by number written as text
// ("23", "0x17").
const VariableInfo& KnownVariable(const json& body) {
  const json& v = Field(body, "variable");
  const VariableInfo* found = nullptr;
  std::string shown;
  if (v.is_string()) {
    shown = v.get<std::string>();
    found = FindVariable(std::string_view(shown));
    if (found == nullptr && !shown.empty()) {
      size_t used = 0;
      try {
        const unsigned long id = std::stoul(shown, &used, 0);
        if (used == shown.size() && id <= 0xFFFFFFFFul) found = FindVariable(static_cast<uint32_t>(id));
      } catch (const std::exception&) {
      }
    }
  } else if (v.is_number_integer() || v.is_number_unsigned()) {
    const double id = v.get<double>();
    shown = v.dump();
    if (id >= 0 && id <= 0xFFFFFFFF) found = FindVariable(static_cast<uint32_t>(id));
  } else {
    throw Refusal(400, "\"variable\" must be a name or a whole number");
  }
  if (found == nullptr) throw Refusal(400, "unknown variable " + shown + " (see GET /api/state for the list)");
  return *found;
}

uint32_t MouseAction(const std::string& action) {
  if (action == "click") return kMouseLeftSingle;
  if (action == "drag") return kMouseDrag;
  if (action == "repeat") return kMouseRepeat;
  throw Refusal(400, "\"action\" must be \"click\", \"drag\" or \"repeat\"");
}

const char* HitName(MouseHit::Kind kind) {
  switch (kind) {
    case MouseHit::Event: return "event";
    case MouseHit::Handler: return "handler";
    default: return "none";
  }
}

// Every endpoint's answer to what goes wrong: a clear status and a JSON
// message, never an exception out of a connection thread.
template <class Handler>
httplib::Server::Handler Api(Handler handler) {
  return [handler](const Request& req, Response& res) {
    try {
      handler(req, res);
    } catch (const Refusal& r) {
      Reply(res, r.status, {{"error", r.what()}});
    } catch (const NotRunning& e) {
      Reply(res, 503, {{"error", e.what()}});
    } catch (const std::invalid_argument& e) {
      Reply(res, 400, {{"error", e.what()}});
    } catch (const std::exception& e) {
      Reply(res, 500, {{"error", e.what()}});
    }
  };
}

std::string HostName(const std::string& host_header) {
  if (!host_header.empty() && host_header[0] == '[') return host_header.substr(0, host_header.find(']') + 1);
  return host_header.substr(0, host_header.find(':'));
}

}  // namespace

bool IsLoopback(const std::string& address) {
  return address == "localhost" || address == "::1" || address.rfind("127.", 0) == 0;
}

Server::Server(std::unique_ptr<Panel> panel, ServerOptions options)
    : options_(std::move(options)),
      simulation_(std::move(panel), options_.simulation),
      http_(std::make_unique<httplib::Server>()) {
  if (!(options_.dpi >= 30 && options_.dpi <= 1200)) throw std::invalid_argument("the DPI must be from 30 to 1200");
  if (options_.port < 0 || options_.port > 65535) throw std::invalid_argument("the port must be from 0 to 65535");
  Route();
}

Server::~Server() { Stop(); }

std::string Server::Address() const {
  std::string host = options_.bind;
  if (host == "0.0.0.0" || host == "::") host = "127.0.0.1";
  if (host.find(':') != std::string::npos) host = "[" + host + "]";
  return "http://" + host + ":" + std::to_string(port_) + "/";
}

int Server::Start() {
  if (options_.port == 0) {
    port_ = http_->bind_to_any_port(options_.bind);
  } else if (http_->bind_to_port(options_.bind, options_.port)) {
    port_ = options_.port;
  }
  if (port_ <= 0)
    throw std::runtime_error("cannot listen on " + options_.bind + " port " + std::to_string(options_.port) +
                             " (in use, or not an address of this machine?)");
  simulation_.Start();
  serving_ = std::thread([this] {
    http_->listen_after_bind();
    serving_ended_ = true;
  });
  // Stop does nothing to a server that has not begun to listen: wait till it has.
  while (!http_->is_running() && !serving_ended_) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return port_;
}

void Server::Stop() {
  simulation_.Stop();  // ends the event streams, so their connections close
  if (serving_.joinable()) {
    http_->stop();
    serving_.join();
  }
}

void Server::Route() {
  httplib::Server& http = *http_;
  const int threads = options_.max_streams + 8;
  http.new_task_queue = [threads] { return new httplib::ThreadPool(threads); };
  http.set_payload_max_length(options_.max_body_bytes);
  // A port another program (or another panel) listens on is an error, not
  // a port to share: only a quick restart may take over the address.
  http.set_socket_options([](socket_t socket) {
    int yes = 1;
    setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  });
  http.set_default_headers({{"X-Content-Type-Options", "nosniff"}, {"Cache-Control", "no-store"}});

  // Bound to this machine only, the panel answers only pages that call it
  // by a local name: another site's page in the same browser cannot reach
  // it through a name of its own that points here.
  if (IsLoopback(options_.bind))
    http.set_pre_routing_handler([bind = options_.bind](const Request& req, Response& res) {
      const std::string host = HostName(req.get_header_value("Host"));
      if (host.empty() || IsLoopback(host) || host == "[::1]" || host == bind)
        return httplib::Server::HandlerResponse::Unhandled;
      Reply(res, 403, {{"error", "this panel answers only to 127.0.0.1 or localhost"}});
      return httplib::Server::HandlerResponse::Handled;
    });

  http.set_error_handler(httplib::Server::HandlerWithResponse([](const Request& req, Response& res) {
    if (!res.body.empty()) return httplib::Server::HandlerResponse::Unhandled;
    std::string message = "the request failed (HTTP " + std::to_string(res.status) + ")";
    if (res.status == 400) message = "the request is malformed";
    if (res.status == 404) message = "nothing at " + req.method + " " + req.path;
    if (res.status == 413) message = "the request body is too large";
    if (res.status == 414) message = "the address is too long";
    Reply(res, res.status, {{"error", message}});
    return httplib::Server::HandlerResponse::Handled;
  }));
  http.set_exception_handler([](const Request&, Response& res, std::exception_ptr) {
    Reply(res, 500, {{"error", "the server failed to answer"}});
  });

  http.Get("/api/state", Api([this](const Request&, Response& res) {
    json state;
    simulation_.Run([&](Panel& panel) { state = StateJson(panel, options_.dpi); });
    Reply(res, 200, state);
  }));

  http.Get(R"(/api/windows/(\d{1,10})/hitmap)", Api([this](const Request& req, Response& res) {
    const unsigned long long id = std::stoull(req.matches[1].str());
    if (id > 0xFFFFFFFFull) throw Refusal(404, "the panel has no window " + req.matches[1].str());
    std::string body;
    simulation_.Run([&](Panel& panel) {
      const uint32_t window = static_cast<uint32_t>(id);
      KnownWindow(panel, window);
      // The mouse areas of a window never move: compute them once.
      auto [it, fresh] = hit_maps_.try_emplace(window);
      if (fresh) it->second = HitMapJson(panel, window).dump();
      body = it->second;
    });
    res.set_content(body, "application/json");
  }));

  http.Get("/api/events", Api([this](const Request&, Response& res) {
    if (streams_.fetch_add(1) >= options_.max_streams) {
      --streams_;
      throw Refusal(503, "too many event streams are open (" + std::to_string(options_.max_streams) + ")");
    }
    std::shared_ptr<Listener> listener;
    try {
      listener = simulation_.Join();
    } catch (...) {
      --streams_;
      throw;
    }
    res.set_chunked_content_provider(
        "text/event-stream",
        [listener](size_t, httplib::DataSink& sink) {
          const auto messages = listener->Take(std::chrono::seconds(1));
          if (messages.empty()) {
            if (listener->closed()) return false;
            // Nothing new: a comment line finds out whether the browser is still there.
            static constexpr std::string_view kPing = ": ping\n\n";
            return sink.write(kPing.data(), kPing.size());
          }
          for (const Message& m : messages)
            if (!sink.write(m->data(), m->size())) return false;
          return true;
        },
        [this, listener](bool) {
          simulation_.Leave(listener);
          --streams_;
        });
  }));

  http.Post("/api/click", Api([this](const Request& req, Response& res) {
    const json body = Body(req, {"window", "x", "y", "action"});
    const uint32_t id = WindowId(body);
    const int64_t x = Integer(body, "x", 0, 1 << 20), y = Integer(body, "y", 0, 1 << 20);
    const uint32_t flags = MouseAction(body.contains("action") ? Text(body, "action") : "click");
    json answer;
    simulation_.Run([&](Panel& panel) {
      const PanelWindow& w = KnownWindow(panel, id);
      if (!w.visible) throw Refusal(409, "window " + std::to_string(id) + " is closed");
      if (x >= w.config->width || y >= w.config->height)
        throw Refusal(400, "the point lies outside window " + std::to_string(id) + " (" +
                               std::to_string(w.config->width) + " x " + std::to_string(w.config->height) + ")");
      const ClickReport r = panel.Click(id, static_cast<int>(x), static_cast<int>(y), flags);
      json events = json::array(), windows = json::array();
      for (auto [event, value] : r.key_events) events.push_back({{"event", event}, {"value", value}});
      for (const WindowChange& c : r.windows) windows.push_back({{"op", c.op}, {"window", c.id}, {"result", c.result}});
      answer = {{"hit", HitName(r.hit)},        {"acted", r.acted},
                {"result", r.result},           {"gauge", r.pointer.gauge},
                {"cursor", r.pointer.cursor},   {"help", r.pointer.help_text},
                {"key_events", events},         {"windows", windows},
                {"layout_version", panel.layout_version()}};
    });
    Reply(res, 200, answer);
  }));

  http.Post("/api/variable", Api([this](const Request& req, Response& res) {
    const json body = Body(req, {"variable", "value"});
    const VariableInfo& v = KnownVariable(body);
    const double value = Number(body, "value");
    const Range range = SettableRange(v);
    if (value < range.low || value > range.high)
      throw Refusal(400, std::string(v.name) + " takes values from " + json(range.low).dump() + " to " +
                             json(range.high).dump());
    bool scripted = false;
    simulation_.Run([&](Panel& panel) {
      panel.vars().Set(v.id, value);
      if (panel.scenario())
        for (const Track& t : panel.scenario()->tracks()) scripted |= t.id == v.id;
      scripted &= panel.playing();
    });
    // A playing scenario writes its variables again on its next frame.
    Reply(res, 200, {{"id", v.id}, {"name", v.name}, {"value", value}, {"overwritten_by_scenario", scripted}});
  }));

  http.Post("/api/failure", Api([this](const Request& req, Response& res) {
    const json body = Body(req, {"key", "failed"});
    const int64_t key = Integer(body, "key", 0, 0xFFFFFFFF);
    const FailureKeyInfo* info = FindFailureKey(static_cast<uint32_t>(key));
    if (info == nullptr) throw Refusal(400, "unknown failure key " + std::to_string(key));
    const bool failed = Boolean(body, "failed");
    bool active = false;
    simulation_.Run([&](Panel& panel) {
      if (SetByPower(panel, info->key))
        throw Refusal(400, "failure key " + std::to_string(key) +
                               " follows the power switches: turn the battery or the avionics master off instead");
      panel.failures().Set(info->key, failed);
      active = failed;
    });
    Reply(res, 200, {{"key", info->key}, {"name", info->name}, {"failed", active}});
  }));

  http.Post("/api/lighting", Api([this](const Request& req, Response& res) {
    const json body = Body(req, {"night", "panel_lights"});
    if (body.empty()) throw Refusal(400, "give \"night\", \"panel_lights\" or both");
    const bool has_night = body.contains("night"), has_lights = body.contains("panel_lights");
    const bool night = has_night && Boolean(body, "night");
    const bool lights = has_lights && Boolean(body, "panel_lights");
    json answer;
    simulation_.Run([&](Panel& panel) {
      if (has_night) panel.night = night;
      if (has_lights) panel.panel_lights = lights;
      answer = {{"night", panel.night}, {"panel_lights", panel.panel_lights}};
    });
    Reply(res, 200, answer);
  }));

  http.Post("/api/scenario", Api([this](const Request& req, Response& res) {
    const json body = Body(req, {"action", "value"});
    const std::string action = Text(body, "action");
    if (action != "play" && action != "pause" && action != "seek" && action != "speed")
      throw Refusal(400, "\"action\" must be \"play\", \"pause\", \"seek\" or \"speed\"");
    const bool valued = action == "seek" || action == "speed";
    if (!valued && body.contains("value")) throw Refusal(400, Quoted(action) + " takes no \"value\"");
    const double value = valued ? Number(body, "value") : 0;
    json answer;
    simulation_.Run([&](Panel& panel) {
      if (!panel.scenario() && action != "pause" && action != "speed")
        throw Refusal(409, "no scenario is loaded (start with --scenario FILE)");
      if (action == "play") panel.Play();
      if (action == "pause") panel.Pause();
      if (action == "seek") panel.Seek(value);
      if (action == "speed") panel.SetSpeed(value);
      answer = {{"time", panel.time()},
                {"duration", panel.scenario() ? panel.scenario()->duration() : 0.0},
                {"playing", panel.playing()},
                {"speed", panel.speed()}};
    });
    Reply(res, 200, answer);
  }));

  http.Post("/api/window", Api([this](const Request& req, Response& res) {
    const json body = Body(req, {"window", "visible"});
    const uint32_t id = WindowId(body);
    const bool visible = Boolean(body, "visible");
    json answer;
    simulation_.Run([&](Panel& panel) {
      KnownWindow(panel, id);
      if (visible) panel.OpenPanelWindow(id);
      else panel.ClosePanelWindow(id);
      answer = LayoutJson(panel);
    });
    Reply(res, 200, answer);
  }));

  // The endpoints that change something take POST only.
  for (const char* path : {"/api/click", "/api/variable", "/api/failure", "/api/lighting", "/api/scenario", "/api/window"})
    http.Get(path, [](const Request& req, Response& res) {
      res.set_header("Allow", "POST");
      Reply(res, 405, {{"error", req.path + " takes POST"}});
    });

  // Anything else posted goes nowhere.
  http.Post(".*", [](const Request& req, Response& res) { Reply(res, 404, {{"error", "nothing at POST " + req.path}}); });

  // The page: its own files and nothing else.
  http.Get("/(.*)", Api([](const Request& req, Response& res) {
    const std::string name = req.matches[1].str().empty() ? "index.html" : req.matches[1].str();
    const Asset* asset = FindAsset(name);
    if (asset == nullptr || name.starts_with("api/")) throw Refusal(404, "nothing at " + req.path);
    if (name.ends_with(".html"))
      res.set_header("Content-Security-Policy",
                     "default-src 'self'; img-src 'self' data: blob:; style-src 'self'; script-src 'self'");
    res.set_content(std::string(asset->bytes), std::string(ContentType(name)).c_str());
  }));
}

}  // namespace vantor::viewer
