// The panel's one thread. The gauge modules count on one caller at a
// time, so the Panel lives here alone: about 30 times a second the thread
// lets time pass, updates the gauges, draws every open window and sends
// the browsers what changed. Everything else (an HTTP request, a new
// browser) reaches the panel as a task queued for this thread, run
// between two frames.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>

#include "panel/panel.h"
#include "viewer/events.h"
#include "viewer/picture.h"

namespace vantor::viewer {

struct SimulationOptions {
  double frames_per_second = 30;
  double max_step_seconds = 0.25;  // a stalled machine does not make the scenario jump
};

// The simulation thread did not take a task in time, or has stopped.
struct NotRunning : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class Simulation {
 public:
  using Task = std::function<void(Panel&)>;

  Simulation(std::unique_ptr<Panel> panel, SimulationOptions options = {});
  ~Simulation();  // stops the thread
  Simulation(const Simulation&) = delete;
  Simulation& operator=(const Simulation&) = delete;

  void Start();
  void Stop();

  // Runs the task on the simulation thread and waits for it; throws
  // NotRunning when the thread is stopped or does not get to it within
  // `wait`. The task must not keep references to the panel.
  void Run(const Task& task, std::chrono::milliseconds wait = std::chrono::seconds(5));

  // A browser joins the stream: it first receives the layout, the live
  // values and whole pictures of the open windows, then what changes.
  std::shared_ptr<Listener> Join(std::chrono::milliseconds wait = std::chrono::seconds(5));
  void Leave(const std::shared_ptr<Listener>& listener) { hub_.Remove(listener); }
  size_t listeners() const { return hub_.size(); }

 private:
  struct Pending {
    Task task;
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false, dropped = false;
    std::exception_ptr error;
  };

  void Loop();
  void Frame(double seconds);
  // Brings every open window's picture up to date when no browser was
  // watching (frames skip drawing then).
  void CatchUp();
  void SendFresh(Listener& listener);
  Message WholeWindow(const PanelWindow& window);

  std::unique_ptr<Panel> panel_;
  SimulationOptions options_;
  EventHub hub_;
  std::thread thread_;

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::shared_ptr<Pending>> tasks_;
  bool running_ = false, stopping_ = false;

  // Owned by the simulation thread.
  bool drawn_ = false;                  // the open windows' pictures are current
  std::map<uint32_t, bool> shown_;      // what the browsers were last told was open
  std::map<uint32_t, SentPicture> sent_;  // each window as the browsers have it
  uint64_t layout_sent_ = 0;
  std::string live_sent_;
  int frame_ = 0;
};

}  // namespace vantor::viewer
