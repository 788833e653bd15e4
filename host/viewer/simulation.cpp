#include "viewer/simulation.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "viewer/picture.h"
#include "viewer/state.h"

namespace vantor::viewer {

using nlohmann::json;
using Clock = std::chrono::steady_clock;

namespace {

// Live values go out every third frame: ten times a second is plenty for
// numbers in a list, and they are the largest message that changes often.
constexpr int kFramesPerLive = 3;

Message FrameEvent(const PanelWindow& w, const std::vector<Rect>& rects, bool whole) {
  json patches = json::array();
  cairo_surface_t* surface = w.canvas->surface();
  for (const Rect& r : rects) {
    const std::string png = EncodePng(surface, r);
    if (png.empty()) continue;
    patches.push_back({{"x", r.x}, {"y", r.y}, {"w", r.width}, {"h", r.height}, {"png", Base64(png)}});
  }
  return MakeEvent("frame", json{{"window", w.config->id}, {"full", whole}, {"patches", patches}}.dump());
}

}  // namespace

Simulation::Simulation(std::unique_ptr<Panel> panel, SimulationOptions options)
    : panel_(std::move(panel)), options_(options) {
  if (!(options_.frames_per_second > 0 && options_.frames_per_second <= 240))
    throw std::invalid_argument("frames per second must be above 0 and at most 240");
}

Simulation::~Simulation() { Stop(); }

void Simulation::Start() {
  std::lock_guard lock(mutex_);
  if (running_ || stopping_) return;
  running_ = true;
  thread_ = std::thread([this] { Loop(); });
}

void Simulation::Stop() {
  {
    std::lock_guard lock(mutex_);
    if (!running_) return;
    stopping_ = true;
  }
  wake_.notify_all();
  thread_.join();
  hub_.Close();
  std::deque<std::shared_ptr<Pending>> left;
  {
    std::lock_guard lock(mutex_);
    running_ = false;
    left.swap(tasks_);
  }
  for (auto& p : left) {
    std::lock_guard lock(p->mutex);
    p->dropped = true;
    p->finished.notify_all();
  }
}

void Simulation::Run(const Task& task, std::chrono::milliseconds wait) {
  auto pending = std::make_shared<Pending>();
  pending->task = task;
  {
    std::lock_guard lock(mutex_);
    if (!running_ || stopping_) throw NotRunning("the panel has stopped");
    tasks_.push_back(pending);
  }
  wake_.notify_all();
  std::unique_lock lock(pending->mutex);
  if (!pending->finished.wait_for(lock, wait, [&] { return pending->done || pending->dropped; })) {
    lock.unlock();
    {
      // Not begun: take it back, since it refers to the caller's locals.
      std::lock_guard queue(mutex_);
      auto it = std::find(tasks_.begin(), tasks_.end(), pending);
      if (it != tasks_.end()) {
        tasks_.erase(it);
        throw NotRunning("the panel is busy; try again");
      }
    }
    // Begun: it will end soon, and must end before its caller does.
    lock.lock();
    pending->finished.wait(lock, [&] { return pending->done || pending->dropped; });
  }
  if (pending->dropped) throw NotRunning("the panel has stopped");
  if (pending->error) std::rethrow_exception(pending->error);
}

std::shared_ptr<Listener> Simulation::Join(std::chrono::milliseconds wait) {
  std::shared_ptr<Listener> listener;
  Run(
      [&](Panel&) {
        if (!drawn_) CatchUp();
        listener = hub_.Add();
        SendFresh(*listener);
      },
      wait);
  return listener;
}

void Simulation::Loop() {
  const auto period = std::chrono::duration_cast<Clock::duration>(
      std::chrono::duration<double>(1.0 / options_.frames_per_second));
  auto last = Clock::now();
  auto next = last + period;
  for (;;) {
    std::shared_ptr<Pending> pending;
    {
      std::unique_lock lock(mutex_);
      wake_.wait_until(lock, next, [&] { return stopping_ || !tasks_.empty(); });
      if (stopping_) return;
      if (!tasks_.empty()) {
        pending = tasks_.front();
        tasks_.pop_front();
      }
    }
    if (pending) {
      try {
        pending->task(*panel_);
      } catch (...) {
        pending->error = std::current_exception();
      }
      std::lock_guard lock(pending->mutex);
      pending->done = true;
      pending->finished.notify_all();
    }
    // A frame that is due comes before the next task, so that a stream of
    // requests never stops the picture.
    const auto now = Clock::now();
    if (now < next) continue;
    Frame(std::chrono::duration<double>(now - last).count());
    last = now;
    next += period;
    if (next < now) next = now + period;  // behind: skip frames rather than rush
  }
}

void Simulation::CatchUp() {
  panel_->Update();
  for (const PanelWindow& w : panel_->windows()) {
    if (w.visible) panel_->Render(w.config->id);
    shown_[w.config->id] = w.visible;
  }
  layout_sent_ = panel_->layout_version();
  drawn_ = true;
}

void Simulation::Frame(double seconds) {
  panel_->Advance(std::min(seconds, options_.max_step_seconds));
  if (hub_.size() == 0) {
    // Nobody watches: the pictures wait until someone does.
    drawn_ = false;
    return;
  }
  panel_->Update();
  // The layout first, so that a page has a window before its pictures.
  if (panel_->layout_version() != layout_sent_) {
    layout_sent_ = panel_->layout_version();
    hub_.Broadcast(MakeEvent("layout", LayoutJson(*panel_).dump()));
  }
  for (const PanelWindow& w : panel_->windows()) {
    const uint32_t id = w.config->id;
    if (!w.visible) {
      shown_[id] = false;
      continue;
    }
    const std::vector<Rect> redrawn = panel_->Render(id);
    if (!shown_[id]) {
      hub_.Broadcast(WholeWindow(w));
      shown_[id] = true;
      continue;
    }
    std::vector<Rect> changed;
    for (const Rect& r : redrawn)
      if (const Rect c = sent_[id].Changed(w.canvas->surface(), r); !c.empty()) changed.push_back(c);
    if (!changed.empty()) hub_.Broadcast(FrameEvent(w, changed, false));
  }
  if (++frame_ % kFramesPerLive == 0) {
    std::string live = LiveJson(*panel_).dump();
    if (live != live_sent_) {
      hub_.Broadcast(MakeEvent("live", live));
      live_sent_ = std::move(live);
    }
  }
  for (const auto& listener : hub_.TakeBehind()) SendFresh(*listener);
}

Message Simulation::WholeWindow(const PanelWindow& w) {
  sent_[w.config->id].Take(w.canvas->surface());
  return FrameEvent(w, {Rect{0, 0, w.config->width, w.config->height}}, true);
}

void Simulation::SendFresh(Listener& listener) {
  hub_.Send(listener, MakeEvent("layout", LayoutJson(*panel_).dump()));
  hub_.Send(listener, MakeEvent("live", LiveJson(*panel_).dump()));
  // A window opened since the last frame is sent whole to everyone with
  // the next frame, drawn up to date.
  for (const PanelWindow& w : panel_->windows())
    if (w.visible && shown_[w.config->id]) hub_.Send(listener, WholeWindow(w));
}

}  // namespace vantor::viewer
