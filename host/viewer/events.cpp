#include "viewer/events.h"

#include <algorithm>

namespace vantor::viewer {

Message MakeEvent(const std::string& name, const std::string& data) {
  return std::make_shared<const std::string>("event: " + name + "\ndata: " + data + "\n\n");
}

std::vector<Message> Listener::Take(std::chrono::milliseconds wait) {
  std::unique_lock lock(mutex_);
  ready_.wait_for(lock, wait, [&] { return closed_ || !queue_.empty(); });
  std::vector<Message> out(queue_.begin(), queue_.end());
  queue_.clear();
  queued_bytes_ = 0;
  return out;
}

bool Listener::closed() const {
  std::lock_guard lock(mutex_);
  return closed_;
}

std::shared_ptr<Listener> EventHub::Add() {
  auto listener = std::make_shared<Listener>();
  std::lock_guard lock(mutex_);
  if (closed_) listener->closed_ = true;
  else listeners_.push_back(listener);
  return listener;
}

void EventHub::Remove(const std::shared_ptr<Listener>& listener) {
  std::lock_guard lock(mutex_);
  std::erase(listeners_, listener);
}

size_t EventHub::size() const {
  std::lock_guard lock(mutex_);
  return listeners_.size();
}

void EventHub::Push(Listener& l, const Message& message) {
  {
    std::lock_guard lock(l.mutex_);
    if (l.closed_) return;
    if (l.queued_bytes_ + message->size() > max_queued_bytes_) {
      // Whatever is queued is out of date by now; start that browser over.
      l.queue_.clear();
      l.queued_bytes_ = 0;
      l.behind_ = true;
    } else if (!l.behind_) {
      l.queue_.push_back(message);
      l.queued_bytes_ += message->size();
    }
  }
  l.ready_.notify_one();
}

void EventHub::Broadcast(const Message& message) {
  std::lock_guard lock(mutex_);
  for (auto& l : listeners_) Push(*l, message);
}

void EventHub::Send(Listener& listener, const Message& message) {
  std::lock_guard lock(mutex_);
  Push(listener, message);
}

std::vector<std::shared_ptr<Listener>> EventHub::TakeBehind() {
  std::lock_guard lock(mutex_);
  std::vector<std::shared_ptr<Listener>> out;
  for (auto& l : listeners_) {
    std::lock_guard inner(l->mutex_);
    if (l->behind_) {
      l->behind_ = false;
      out.push_back(l);
    }
  }
  return out;
}

void EventHub::Close() {
  std::lock_guard lock(mutex_);
  closed_ = true;
  for (auto& l : listeners_) {
    {
      std::lock_guard inner(l->mutex_);
      l->closed_ = true;
    }
    l->ready_.notify_all();
  }
  listeners_.clear();
}

}  // namespace vantor::viewer
