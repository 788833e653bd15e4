// The viewer: the panel's hit map that the page uses for cursors and help
// texts, and the HTTP server in front of the panel.
#include <gtest/gtest.h>
#include <httplib.h>
#include <stb/stb_image.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <thread>

#include "app/session.h"
#include "model/catalogue.h"
#include "panel/panel.h"
#include "viewer/events.h"
#include "viewer/picture.h"
#include "viewer/server.h"
#include "viewer/state.h"

namespace vantor {
namespace {

std::unique_ptr<Panel> DefaultPanel() {
  SessionOptions options;
  options.modules = VANTOR_MODULE_DIR;
  options.scenario = "none";
  return OpenSession(options);
}

const HitArea* AreaAt(const std::vector<HitArea>& areas, int x, int y) {
  const HitArea* found = nullptr;
  for (const HitArea& a : areas)
    if (x >= a.rect.x && y >= a.rect.y && x < a.rect.x + a.rect.width && y < a.rect.y + a.rect.height) {
      EXPECT_EQ(found, nullptr) << "two areas at " << x << "," << y;
      found = &a;
    }
  return found;
}

// The page trusts the hit map instead of asking at every move, so it must
// say what Pointer says at every point, and nothing where Pointer finds
// nothing.
void ExpectAgreesWithPointer(const Panel& panel, const PanelWindow& w, int stride) {
  const std::vector<HitArea> areas = panel.HitMap(w.config->id);
  ASSERT_FALSE(areas.empty()) << w.config->title;
  for (int y = 0; y < w.config->height; y += stride)
    for (int x = 0; x < w.config->width; x += stride) {
      const PointerInfo p = panel.Pointer(w.config->id, x, y);
      const HitArea* a = AreaAt(areas, x, y);
      if (p.gauge.empty()) {
        EXPECT_EQ(a, nullptr) << w.config->title << " at " << x << "," << y;
        continue;
      }
      ASSERT_NE(a, nullptr) << w.config->title << " at " << x << "," << y;
      EXPECT_EQ(w.gauges[a->gauge].placement->gauge, p.gauge) << x << "," << y;
      EXPECT_EQ(a->cursor, p.cursor) << x << "," << y;
      EXPECT_EQ(a->help_id, p.help_id) << x << "," << y;
    }
}

TEST(HitMap, AgreesWithPointerAtEveryPointOfTheRadioStack) {
  auto panel = DefaultPanel();
  ExpectAgreesWithPointer(*panel, *panel->Window(10), 1);
}

TEST(HitMap, AgreesWithPointerAcrossEveryWindow) {
  auto panel = DefaultPanel();
  for (const PanelWindow& w : panel->windows()) ExpectAgreesWithPointer(*panel, w, 3);
}

// Area edges are where a hit changes: probe one pixel on each side of every
// edge, where an off-by-one in the scaling would show.
TEST(HitMap, EdgesFallWherePointerChanges) {
  auto panel = DefaultPanel();
  for (const PanelWindow& w : panel->windows()) {
    const auto areas = panel->HitMap(w.config->id);
    for (const HitArea& a : areas) {
      const int x0 = a.rect.x, y0 = a.rect.y, x1 = a.rect.x + a.rect.width - 1, y1 = a.rect.y + a.rect.height - 1;
      for (auto [x, y] : {std::pair{x0, y0}, {x1, y1}, {x0, y1}, {x1, y0}}) {
        const PointerInfo p = panel->Pointer(w.config->id, x, y);
        EXPECT_EQ(p.cursor, a.cursor) << w.config->title << " " << x << "," << y;
        EXPECT_EQ(p.help_id, a.help_id) << w.config->title << " " << x << "," << y;
      }
      for (auto [x, y] : {std::pair{x0 - 1, y0}, {x1 + 1, y0}, {x0, y0 - 1}, {x0, y1 + 1}}) {
        const HitArea* beside = AreaAt(areas, x, y);
        const PointerInfo p = panel->Pointer(w.config->id, x, y);
        EXPECT_EQ(p.cursor, beside ? beside->cursor : -1) << w.config->title << " " << x << "," << y;
        EXPECT_EQ(p.help_id, beside ? beside->help_id : 0u) << w.config->title << " " << x << "," << y;
      }
    }
  }
}

TEST(HitMap, NamesTheChildAClickReaches) {
  auto panel = DefaultPanel();
  const auto areas = panel->HitMap(0);
  // The three levers share cursor and help text; only the child tells them
  // apart, and a drag must stay on the lever it started on.
  std::set<int> lever_children;
  for (const HitArea& a : areas) {
    const PlacedGauge& g = panel->Window(0)->gauges[a.gauge];
    if (g.placement->gauge != "Controls" || a.child < 0) continue;
    lever_children.insert(a.child);
    EXPECT_EQ(a.mouse_flags, 0x20800000u);
    EXPECT_EQ(a.cursor, 5);
    EXPECT_EQ(a.help_id, 43808u);
    const PlacedArea& child = g.mouse->children()[a.child];
    EXPECT_EQ(a.mouse_flags, child.rect->mouse_flags);
    // A click in the area reaches that lever's handler and no other.
    const ClickReport r = panel->Click(0, a.rect.x, a.rect.y, kMouseLeftSingle);
    ASSERT_EQ(r.key_events.size(), 1u);
    const uint32_t lever_event[] = {0x1011c, 0x100e7, 0x1017f};
    EXPECT_EQ(r.key_events[0].first, lever_event[a.child]);
  }
  EXPECT_EQ(lever_children, (std::set<int>{0, 1, 2}));
}

TEST(HitMap, UnknownWindowHasNone) {
  auto panel = DefaultPanel();
  EXPECT_TRUE(panel->HitMap(12345).empty());
}

// --- pictures and events ------------------------------------------------

TEST(ViewerPicture, Base64MatchesTheStandardVectors) {
  using namespace std::string_view_literals;
  const std::pair<std::string_view, std::string_view> cases[] = {
      {""sv, ""sv},         {"f"sv, "Zg=="sv},         {"fo"sv, "Zm8="sv},         {"foo"sv, "Zm9v"sv},
      {"foob"sv, "Zm9vYg=="sv}, {"fooba"sv, "Zm9vYmE="sv}, {"foobar"sv, "Zm9vYmFy"sv}, {"\xff\xfe\x00"sv, "//4A"sv},
  };
  for (auto [in, out] : cases) EXPECT_EQ(viewer::Base64(in), out) << in;
}

// Cairo keeps colours premultiplied; a patch must carry them whole, or
// half-transparent edges come out dark in the browser.
TEST(ViewerPicture, PatchIsTheRectangleWithStraightAlpha) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 6);
  auto* px = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s));
  const int stride = cairo_image_surface_get_stride(s) / 4;
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 8; ++x) px[y * stride + x] = 0xFF000000u | (x * 30) << 16 | (y * 40) << 8;
  px[3 * stride + 4] = 0x80400000;  // red 0x40 premultiplied by half: 0x80 whole
  cairo_surface_mark_dirty(s);

  const std::string png = viewer::EncodePng(s, {2, 1, 4, 3});
  int w = 0, h = 0, n = 0;
  unsigned char* rgba = stbi_load_from_memory(reinterpret_cast<const unsigned char*>(png.data()), int(png.size()), &w,
                                              &h, &n, 4);
  ASSERT_NE(rgba, nullptr);
  EXPECT_EQ(w, 4);
  EXPECT_EQ(h, 3);
  auto at = [&](int x, int y) { return rgba + 4 * (y * w + x); };
  EXPECT_EQ(at(0, 0)[0], 60);  // surface (2, 1)
  EXPECT_EQ(at(0, 0)[1], 40);
  EXPECT_EQ(at(0, 0)[3], 255);
  EXPECT_EQ(at(3, 2)[0], 150);  // surface (5, 3)
  EXPECT_EQ(at(3, 2)[1], 120);
  EXPECT_EQ(at(2, 2)[0], 0x80);  // surface (4, 3), half transparent
  EXPECT_EQ(at(2, 2)[3], 0x80);
  stbi_image_free(rgba);

  EXPECT_TRUE(viewer::EncodePng(s, {8, 0, 4, 4}).empty());  // wholly outside
  cairo_surface_destroy(s);
}

TEST(ViewerPicture, SendsOnlyThePixelsThatDiffer) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 20, 10);
  auto* px = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s));
  const int stride = cairo_image_surface_get_stride(s) / 4;
  auto set = [&](int x, int y, uint32_t v) {
    px[y * stride + x] = v;
    cairo_surface_mark_dirty(s);
  };
  viewer::SentPicture sent;
  // Before anything was sent, all of the area is new.
  EXPECT_EQ(sent.Changed(s, {2, 2, 5, 5}), (Rect{2, 2, 5, 5}));
  sent.Take(s);
  EXPECT_TRUE(sent.Changed(s, {0, 0, 20, 10}).empty());
  set(4, 3, 0xFF112233);
  set(9, 6, 0xFF445566);
  EXPECT_EQ(sent.Changed(s, {0, 0, 20, 10}), (Rect{4, 3, 6, 4}));
  EXPECT_TRUE(sent.Changed(s, {0, 0, 20, 10}).empty());  // now taken as sent
  // A change outside the area asked about waits for an area that covers it.
  set(15, 8, 0xFF000001);
  EXPECT_TRUE(sent.Changed(s, {0, 0, 10, 10}).empty());
  EXPECT_EQ(sent.Changed(s, {10, 0, 10, 10}), (Rect{15, 8, 1, 1}));
  // An area partly outside the picture is cut to it.
  set(19, 9, 0xFF000002);
  EXPECT_EQ(sent.Changed(s, {18, 8, 10, 10}), (Rect{19, 9, 1, 1}));
  cairo_surface_destroy(s);
}

TEST(ViewerEvents, ListenerThatFallsBehindStartsOver) {
  viewer::EventHub hub(200);
  auto slow = hub.Add(), quick = hub.Add();
  const auto message = viewer::MakeEvent("frame", std::string(30, 'x'));
  for (int i = 0; i < 3; ++i) hub.Broadcast(message);
  EXPECT_EQ(quick->Take(std::chrono::milliseconds(0)).size(), 3u);
  hub.Broadcast(message);
  hub.Broadcast(message);  // the slow one would now hold more than 200 bytes
  EXPECT_TRUE(quick->Take(std::chrono::milliseconds(0)).size() == 2);
  const auto behind = hub.TakeBehind();
  ASSERT_EQ(behind.size(), 1u);
  EXPECT_EQ(behind[0], slow);
  // Its stale queue is gone; what it gets next is its fresh start.
  EXPECT_TRUE(slow->Take(std::chrono::milliseconds(0)).empty());
  hub.Send(*slow, message);
  EXPECT_EQ(slow->Take(std::chrono::milliseconds(0)).size(), 1u);
  EXPECT_TRUE(hub.TakeBehind().empty());
  hub.Close();
  EXPECT_TRUE(slow->closed());
  EXPECT_TRUE(hub.Add()->closed());
}

// --- the server ----------------------------------------------------------

using nlohmann::json;
using Clock = std::chrono::steady_clock;

// Reads an event stream on its own thread, as a browser would.
class StreamReader {
 public:
  StreamReader(int port, std::string path = "/api/events") : client_("127.0.0.1", port) {
    thread_ = std::thread([this, path] {
      client_.Get(path, [this](const char* data, size_t length) {
        std::lock_guard lock(mutex_);
        text_.append(data, length);
        changed_.notify_all();
        return !stop_;
      });
      std::lock_guard lock(mutex_);
      ended_ = true;
      changed_.notify_all();
    });
  }
  ~StreamReader() { Close(); }

  // Waits (at most 20 s) until the text read so far satisfies `done`.
  bool WaitFor(const std::function<bool(const std::string&)>& done) {
    std::unique_lock lock(mutex_);
    return changed_.wait_until(lock, Clock::now() + std::chrono::seconds(20), [&] { return ended_ || done(text_); }) &&
           done(text_);
  }
  std::string text() {
    std::lock_guard lock(mutex_);
    return text_;
  }
  // Leaves at the next piece of data, as a browser tab that closes.
  void Close() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
  }

 private:
  httplib::Client client_;
  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::string text_;
  std::atomic<bool> stop_{false};
  bool ended_ = false;
};

// Every "event: NAME" message's data, in order.
std::vector<json> Events(const std::string& text, const std::string& name) {
  std::vector<json> out;
  const std::string head = "event: " + name + "\ndata: ";
  for (size_t at = text.find(head); at != std::string::npos; at = text.find(head, at + 1)) {
    const size_t start = at + head.size(), end = text.find("\n\n", start);
    if (end == std::string::npos) break;
    out.push_back(json::parse(text.substr(start, end - start)));
  }
  return out;
}

bool HasFullFrame(const std::string& text, uint32_t window) {
  for (const json& f : Events(text, "frame"))
    if (f["window"] == window && f["full"] == true) return true;
  return false;
}

bool HasLayout(const std::string& text, uint32_t window, bool visible) {
  for (const json& l : Events(text, "layout"))
    for (const json& w : l["windows"])
      if (w["id"] == window && w["visible"] == visible) return true;
  return false;
}

class ViewerServer : public ::testing::Test {
 protected:
  void SetUp() override {
    viewer::ServerOptions options;
    options.port = 0;
    options.max_streams = 2;
    options.dpi = 120;
    server_ = std::make_unique<viewer::Server>(DefaultPanel(), options);
    port_ = server_->Start();
    ASSERT_GT(port_, 0);
    client_ = std::make_unique<httplib::Client>("127.0.0.1", port_);
    client_->set_url_encode(false);  // paths go out exactly as written
  }
  void TearDown() override { server_->Stop(); }

  httplib::Result Post(const std::string& path, const std::string& body,
                       const std::string& type = "application/json") {
    return client_->Post(path.c_str(), body, type.c_str());
  }
  json State() {
    auto r = client_->Get("/api/state");
    EXPECT_TRUE(r && r->status == 200);
    return json::parse(r->body);
  }
  double Value(const std::string& name) {
    const json state = State();
    for (const json& v : state["variables"])
      if (v["name"] == name) return v["value"].get<double>();
    ADD_FAILURE() << "no variable " << name;
    return 0;
  }

  std::unique_ptr<viewer::Server> server_;
  std::unique_ptr<httplib::Client> client_;
  int port_ = 0;
};

TEST_F(ViewerServer, PrintsTheAddressItListensOn) {
  EXPECT_EQ(server_->Address(), "http://127.0.0.1:" + std::to_string(port_) + "/");
}

TEST_F(ViewerServer, APortInUseIsAnErrorNotAShare) {
  viewer::ServerOptions options;
  options.port = port_;
  viewer::Server second(DefaultPanel(), options);
  EXPECT_THROW(second.Start(), std::runtime_error);
}

TEST_F(ViewerServer, RefusesMalformedRequestsWithAReason) {
  struct Case {
    const char* path;
    std::string body;
    int status;
    const char* says;
    const char* type = "application/json";
  };
  const Case cases[] = {
      {"/api/variable", "{not json", 400, "not valid JSON"},
      {"/api/variable", "[1, 2]", 400, "JSON object"},
      {"/api/variable", R"({"variable": "COM1_ACTIVE_FREQUENCY", "value": NaN})", 400, "not valid JSON"},
      {"/api/variable", R"({"variable": "COM1_ACTIVE_FREQUENCY", "value": 1e400})", 400, ""},
      {"/api/variable", R"({"variable": "COM1_ACTIVE_FREQUENCY", "value": 1e300})", 400, "takes values from"},
      {"/api/variable", R"({"variable": "COM1_ACTIVE_FREQUENCY", "value": -1e300})", 400, "takes values from"},
      {"/api/variable", R"({"variable": "COM1_ACTIVE_FREQUENCY", "value": "122.8"})", 400, "must be a number"},
      {"/api/variable", R"({"variable": "COM1_ACTIVE_FREQUENCY"})", 400, "\"value\" is missing"},
      {"/api/variable", R"({"variable": "COM1_ACTIVE_FREQUENCY", "value": 1, "valeu": 2})", 400, "unknown field"},
      {"/api/variable", R"({"variable": "NO_SUCH_THING", "value": 1})", 400, "unknown variable"},
      {"/api/variable", R"({"variable": 99999, "value": 1})", 400, "unknown variable"},
      {"/api/variable", R"({"variable": "0x", "value": 1})", 400, "unknown variable"},
      {"/api/variable", R"({"variable": true, "value": 1})", 400, "name or a whole number"},
      {"/api/variable", R"({"variable": 23.5, "value": 1})", 400, "name or a whole number"},
      {"/api/variable", R"({"variable": "COM1_ACTIVE_FREQUENCY", "value": 1})", 415, "application/json", "text/plain"},
      {"/api/click", R"({"window": "0", "x": 1, "y": 1})", 400, "must be a number"},
      {"/api/click", R"({"window": 0, "x": 1.5, "y": 1})", 400, "whole number"},
      {"/api/click", R"({"window": 0, "x": -1, "y": 1})", 400, "from 0"},
      {"/api/click", R"({"window": 0, "x": 1280, "y": 1})", 400, "outside window 0"},
      {"/api/click", R"({"window": 0, "x": 1, "y": 1, "action": "punch"})", 400, "\"action\""},
      {"/api/click", R"({"window": 99, "x": 1, "y": 1})", 404, "no window 99"},
      {"/api/click", R"({"window": 10, "x": 1, "y": 1})", 409, "closed"},
      {"/api/failure", R"({"key": 7, "failed": true})", 400, "unknown failure key"},
      {"/api/failure", R"({"key": 20, "failed": true})", 400, "power switches"},
      {"/api/failure", R"({"key": 9, "failed": "yes"})", 400, "true or false"},
      {"/api/lighting", R"({})", 400, "night"},
      {"/api/lighting", R"({"night": 1})", 400, "true or false"},
      {"/api/scenario", R"({"action": "rewind"})", 400, "\"action\""},
      {"/api/scenario", R"({"action": "speed", "value": 0})", 400, "speed"},
      {"/api/scenario", R"({"action": "seek", "value": "soon"})", 400, "must be a number"},
      {"/api/scenario", R"({"action": "play", "value": 2})", 400, "takes no"},
      {"/api/window", R"({"window": 12345, "visible": true})", 404, "no window"},
      {"/api/window", R"({"window": 10})", 400, "\"visible\" is missing"},
  };
  const double com1 = Value("COM1_ACTIVE_FREQUENCY");
  for (const Case& c : cases) {
    auto r = Post(c.path, c.body, c.type);
    ASSERT_TRUE(r) << c.body;
    EXPECT_EQ(r->status, c.status) << c.path << " " << c.body << ": " << r->body;
    EXPECT_EQ(r->get_header_value("Content-Type"), "application/json") << c.body;
    const json answer = json::parse(r->body, nullptr, false);
    ASSERT_TRUE(answer.is_object() && answer.contains("error")) << r->body;
    EXPECT_NE(answer["error"].get<std::string>().find(c.says), std::string::npos) << r->body;
  }
  // Nothing refused changed anything.
  EXPECT_EQ(Value("COM1_ACTIVE_FREQUENCY"), com1);
  const json state = State();
  for (const json& f : state["failures"]) EXPECT_FALSE(f["failed"].get<bool>()) << f;
}

TEST_F(ViewerServer, RefusesAnOversizedBodyAndKeepsAnswering) {
  auto r = Post("/api/variable", R"({"variable": "DME1_SPEED", "value": 1, "pad": ")" + std::string(64 * 1024, 'x') + "\"}");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->status, 413);
  EXPECT_NE(json::parse(r->body)["error"].get<std::string>().find("too large"), std::string::npos);
  EXPECT_EQ(client_->Get("/api/state")->status, 200);
}

TEST_F(ViewerServer, ServesOnlyThePagesOwnFiles) {
  auto index = client_->Get("/");
  ASSERT_TRUE(index);
  EXPECT_EQ(index->status, 200);
  EXPECT_EQ(index->get_header_value("Content-Type"), "text/html; charset=utf-8");
  EXPECT_NE(index->body.find("<title>Vantor panel</title>"), std::string::npos);
  EXPECT_EQ(client_->Get("/app.js")->get_header_value("Content-Type"), "text/javascript; charset=utf-8");
  for (const char* path : {"/../../../../etc/passwd", "/%2e%2e/%2e%2e/%2e%2e/etc/passwd", "/..%2f..%2f..%2fetc%2fpasswd",
                           "/%2E%2E%2F%2E%2E%2FCMakeLists.txt", "/web/../README.md", "/app.js/../../CMakeLists.txt",
                           "/./index.html/..", "/%00index.html", "//etc/passwd", "/host/viewer/server.cpp"}) {
    auto r = client_->Get(path);
    ASSERT_TRUE(r) << path;
    EXPECT_GE(r->status, 400) << path;
    EXPECT_EQ(r->body.find("root:"), std::string::npos) << path;
    EXPECT_EQ(r->body.find("project("), std::string::npos) << path;
  }
}

TEST_F(ViewerServer, UnknownEndpointsAndMethodsAnswerInJson) {
  const std::pair<httplib::Result, int> cases[] = {
      {client_->Get("/api/nothing"), 404},
      {Post("/api/nothing", "{}"), 404},
      {client_->Get("/api/click"), 405},
      {client_->Get("/api/windows/77/hitmap"), 404},
      {client_->Get("/api/windows/99999999999/hitmap"), 404},
      {client_->Get("/api/windows/x/hitmap"), 404},
  };
  for (const auto& [r, status] : cases) {
    ASSERT_TRUE(r);
    EXPECT_EQ(r->status, status) << r->body;
    EXPECT_TRUE(json::parse(r->body, nullptr, false).contains("error")) << r->body;
  }
}

TEST_F(ViewerServer, AnswersOnlyToLocalNames) {
  auto r = client_->Get("/api/state", {{"Host", "attacker.example:80"}});
  ASSERT_TRUE(r);
  EXPECT_EQ(r->status, 403);
  EXPECT_EQ(client_->Get("/api/state", {{"Host", "localhost:" + std::to_string(port_)}})->status, 200);
}

TEST_F(ViewerServer, StateDescribesThePanel) {
  const json state = State();
  ASSERT_EQ(state["windows"].size(), 8u);
  const json& main = state["windows"][0];
  EXPECT_EQ(main["id"], 0);
  EXPECT_EQ(main["title"], "Main panel");
  EXPECT_EQ(main["width"], 1280);
  EXPECT_TRUE(main["visible"].get<bool>());
  EXPECT_DOUBLE_EQ(main["true_size_scale"].get<double>(), 120 / 25.4 / main["px_per_mm"].get<double>());
  EXPECT_EQ(state["variables"].size(), VariableCatalogue().size());
  for (const json& v : state["variables"])
    if (v["name"] == "COM1_ACTIVE_FREQUENCY") {
      EXPECT_EQ(v["value"], 0x2280);
      EXPECT_TRUE(v["bcd"].get<bool>());
    }
  std::set<uint32_t> power;
  for (const json& f : state["failures"])
    if (f["power"].get<bool>()) power.insert(f["key"].get<uint32_t>());
  EXPECT_EQ(power, (std::set<uint32_t>{20, 21}));
  EXPECT_TRUE(state["scenario"]["loaded"].get<bool>() == false);
  EXPECT_FALSE(state["lighting"]["night"].get<bool>());
}

TEST_F(ViewerServer, ChangesGoThroughToThePanel) {
  for (const char* variable : {R"("COM1_ACTIVE_FREQUENCY")", R"("0x17")", "23"}) {
    auto r = Post("/api/variable", std::string(R"({"variable": )") + variable + R"(, "value": 9088})");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->status, 200) << r->body;
    EXPECT_EQ(Value("COM1_ACTIVE_FREQUENCY"), 9088);
    Post("/api/variable", R"({"variable": 23, "value": 8832})");
  }
  // A click on the radio stack's window button, then on COM 1's MHz up zone.
  auto open = Post("/api/click", R"({"window": 0, "x": 600, "y": 210})");
  ASSERT_EQ(open->status, 200) << open->body;
  EXPECT_EQ(json::parse(open->body)["windows"], json::parse(R"([{"op": "toggle", "window": 10, "result": 1}])"));
  auto tune = Post("/api/click", R"({"window": 10, "x": 90, "y": 200})");
  ASSERT_EQ(tune->status, 200) << tune->body;
  const json t = json::parse(tune->body);
  EXPECT_EQ(t["hit"], "event");
  EXPECT_EQ(t["cursor"], 1);
  EXPECT_EQ(t["key_events"], json::parse(R"([{"event": 65637, "value": 0}])"));  // 0x10065
  EXPECT_EQ(Value("COM1_ACTIVE_FREQUENCY"), 0x2380);

  EXPECT_EQ(Post("/api/failure", R"({"key": 9, "failed": true})")->status, 200);
  EXPECT_EQ(Post("/api/lighting", R"({"night": true, "panel_lights": true})")->status, 200);
  const json state = State();
  for (const json& f : state["failures"])
    if (f["key"] == 9) EXPECT_TRUE(f["failed"].get<bool>() && f["active"].get<bool>());
  EXPECT_TRUE(state["lighting"]["night"].get<bool>() && state["lighting"]["panel_lights"].get<bool>());
  EXPECT_TRUE(state["windows"][2]["visible"].get<bool>());
  EXPECT_EQ(Post("/api/window", R"({"window": 10, "visible": false})")->status, 200);
  EXPECT_FALSE(State()["windows"][2]["visible"].get<bool>());
}

TEST_F(ViewerServer, HitMapGivesCursorsHelpAndActions) {
  Post("/api/window", R"({"window": 10, "visible": true})");
  auto r = client_->Get("/api/windows/10/hitmap");
  ASSERT_EQ(r->status, 200);
  const json map = json::parse(r->body);
  bool raise = false;
  for (const json& a : map["areas"]) {
    const int x = a["x"], y = a["y"], w = a["w"], h = a["h"];
    if (a["gauge"] != "RadioComNav1" || a["cursor"] != 1 || x > 90 || x + w <= 90 || y > 200 || y + h <= 200) continue;
    raise = true;
    EXPECT_EQ(a["flags"], 0x20200000);
    EXPECT_EQ(map["help"][std::to_string(a["help"].get<uint32_t>())], std::string(HelpText(42768)));
  }
  EXPECT_TRUE(raise);
}

TEST_F(ViewerServer, StreamStartsWithTheOpenWindowsAndFollowsChanges) {
  StreamReader a(port_), b(port_);
  for (StreamReader* s : {&a, &b}) {
    ASSERT_TRUE(s->WaitFor([](const std::string& t) { return HasFullFrame(t, 0); }));
    const std::string text = s->text();
    EXPECT_LT(text.find("event: layout"), text.find("event: frame"));  // the window before its picture
    const json frame = Events(text, "frame").front();
    const std::string& png = frame["patches"][0]["png"].get_ref<const std::string&>();
    EXPECT_EQ(png.substr(0, 8), "iVBORw0K");  // the PNG signature
    EXPECT_FALSE(HasFullFrame(text, 10));  // closed windows are not sent
  }
  // One browser opens the radio stack; both see it open and drawn.
  ASSERT_EQ(Post("/api/click", R"({"window": 0, "x": 600, "y": 210})")->status, 200);
  for (StreamReader* s : {&a, &b}) {
    EXPECT_TRUE(s->WaitFor([](const std::string& t) { return HasLayout(t, 10, true) && HasFullFrame(t, 10); }));
    EXPECT_TRUE(s->WaitFor([](const std::string& t) { return !Events(t, "live").empty(); }));
  }
}

// A browser that goes away mid-stream frees its place: with room for two
// streams, streams opened and dropped one after another keep being
// accepted, and the rest of the server keeps answering.
TEST_F(ViewerServer, StreamsThatDisconnectAreLetGo) {
  for (int i = 0; i < 5; ++i) {
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    bool accepted = false;
    while (!accepted && Clock::now() < deadline) {
      StreamReader s(port_);
      accepted = s.WaitFor([](const std::string& t) { return HasFullFrame(t, 0); });
      if (!accepted) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }  // the reader leaves mid-stream here
    ASSERT_TRUE(accepted) << "stream " << i;
    EXPECT_EQ(client_->Get("/api/state")->status, 200);
  }
}

TEST_F(ViewerServer, RefusesMoreStreamsThanItHasRoomFor) {
  StreamReader a(port_), b(port_);
  ASSERT_TRUE(a.WaitFor([](const std::string& t) { return HasFullFrame(t, 0); }));
  ASSERT_TRUE(b.WaitFor([](const std::string& t) { return HasFullFrame(t, 0); }));
  auto third = client_->Get("/api/events");
  ASSERT_TRUE(third);
  EXPECT_EQ(third->status, 503);
  EXPECT_NE(third->body.find("too many"), std::string::npos);
}

}  // namespace
}  // namespace vantor
