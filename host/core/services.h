// The host side of PanelServices. Modules call plain function pointers, so
// the table routes every call to the sink that is active on this thread:
// the panel being driven, or a test's recorder. With no sink active the
// services do nothing and return 0.
#pragma once

#include "gauge.h"

namespace vantor {

class ServiceSink {
 public:
  virtual ~ServiceSink() = default;
  // Element-list services 1..8; services 2 and 5 carry the routine's argument.
  virtual void ElementList(int service, Element* top, uint32_t arg) { (void)service, (void)top, (void)arg; }
  virtual int32_t TriggerKeyEvent(uint32_t key_event, uint32_t value) = 0;
  virtual void LookupVar(ModuleVar* var) = 0;
  virtual int32_t TogglePanelWindow(uint32_t window_id) = 0;
  virtual int32_t OpenPanelWindow(uint32_t window_id) = 0;
  virtual int32_t ClosePanelWindow(uint32_t window_id) = 0;
};

// The one table every loaded module receives.
PanelServices* HostServiceTable();

// Makes a sink active for the lifetime of this object.
class ActiveSink {
 public:
  explicit ActiveSink(ServiceSink* sink);
  ~ActiveSink();
  ActiveSink(const ActiveSink&) = delete;
  ActiveSink& operator=(const ActiveSink&) = delete;

 private:
  ServiceSink* previous_;
};

}  // namespace vantor
