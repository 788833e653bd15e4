// The event stream's listeners. The simulation thread puts each message
// once into every listener's queue; each connection's own thread takes
// from its queue and writes to its socket, so a slow or vanished browser
// never holds up the panel or the other browsers.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace vantor::viewer {

using Message = std::shared_ptr<const std::string>;

// One server-sent event: "event: NAME" and the data on one line.
Message MakeEvent(const std::string& name, const std::string& data);

class Listener {
 public:
  // What the connection writes next: waits up to `wait` for messages.
  // Empty with closed() once the stream is over.
  std::vector<Message> Take(std::chrono::milliseconds wait);
  bool closed() const;

 private:
  friend class EventHub;
  mutable std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<Message> queue_;
  size_t queued_bytes_ = 0;
  bool closed_ = false;
  bool behind_ = false;  // dropped messages: needs whole pictures again
};

class EventHub {
 public:
  // Messages a listener may have waiting before it is considered lost
  // behind; its queue is then dropped and it is brought up to date afresh.
  explicit EventHub(size_t max_queued_bytes = 64 << 20) : max_queued_bytes_(max_queued_bytes) {}

  std::shared_ptr<Listener> Add();
  void Remove(const std::shared_ptr<Listener>& listener);
  size_t size() const;

  void Broadcast(const Message& message);
  void Send(Listener& listener, const Message& message);
  // Listeners whose queues overflowed since the last call; their flag is
  // cleared, and the caller owes each a fresh start.
  std::vector<std::shared_ptr<Listener>> TakeBehind();

  // Ends every stream: their Take returns at once, and Add gives closed listeners.
  void Close();

 private:
  void Push(Listener& listener, const Message& message);

  mutable std::mutex mutex_;
  std::vector<std::shared_ptr<Listener>> listeners_;
  size_t max_queued_bytes_;
  bool closed_ = false;
};

}  // namespace vantor::viewer
