// A small host for tests: loads a built module through the host core and
// records every service call the module makes.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "core/gauge_instance.h"
#include "core/module.h"
#include "core/mouse.h"
#include "core/services.h"
#include "core/variables.h"

namespace vantor::test {

// Path of a built module file, e.g. ModulePath("Radios").
std::string ModulePath(const std::string& module);

struct WindowCall {
  std::string op;  // "toggle", "open" or "close"
  uint32_t id;
  bool operator==(const WindowCall& o) const { return op == o.op && id == o.id; }
};

// Answers the module's service calls from a variable store and keeps a log.
class RecordingSink : public ServiceSink {
 public:
  VariableStore vars;
  std::vector<std::pair<uint32_t, uint32_t>> key_events;  // (event, value)
  std::vector<WindowCall> window_calls;
  std::vector<std::tuple<int, Element*, uint32_t>> element_list_calls;  // (service, element, arg)
  std::vector<uint32_t> lookups;  // token variable ids, in call order
  int32_t window_result = 1;      // what the window services answer

  void ElementList(int service, Element* top, uint32_t arg) override {
    element_list_calls.emplace_back(service, top, arg);
  }
  int32_t TriggerKeyEvent(uint32_t event, uint32_t value) override {
    key_events.emplace_back(event, value);
    return 0;
  }
  void LookupVar(ModuleVar* var) override {
    lookups.push_back(var->id);
    vars.Refresh(*var);
  }
  int32_t TogglePanelWindow(uint32_t id) override { return Window("toggle", id); }
  int32_t OpenPanelWindow(uint32_t id) override { return Window("open", id); }
  int32_t ClosePanelWindow(uint32_t id) override { return Window("close", id); }

 private:
  int32_t Window(const char* op, uint32_t id) {
    window_calls.push_back({op, id});
    return window_result;
  }
};

// A loaded module with a recording sink active while it runs.
class TestModule {
 public:
  explicit TestModule(const std::string& module);

  LoadedModule& module() { return *module_; }
  RecordingSink& sink() { return sink_; }
  // Fails the test (and throws) if the module has no such gauge.
  GaugeHeader* Gauge(const std::string& name) const;
  // The element reached by child indices from the gauge's top element.
  Element* ElementAt(const std::string& gauge, const std::vector<int>& path) const;
  template <class T>
  T* As(const std::string& gauge, const std::vector<int>& path) const {
    return reinterpret_cast<T*>(ElementAt(gauge, path));
  }

  // Refreshes the element's variables from sink().vars (as the host does
  // before a value callback) and calls its value callback (the x, y or
  // rotation one for the kinds that have several: role "x", "y", "rotation").
  double CallValue(Element* element, const std::string& role = "");
  // A string element's text after its callback ran.
  std::string Text(StringElement* element);

  // A full host update of a gauge (a fresh instance each call unless kept).
  std::unique_ptr<GaugeInstance> NewInstance(const std::string& gauge);
  void Update(GaugeInstance& instance, const FailureSet& failures = {});

  // A mouse action at a gauge point, through the host's mouse dispatch.
  ClickOutcome Click(const std::string& gauge, int32_t x, int32_t y, uint32_t flags = kMouseLeftSingle);
  MouseMap Mouse(const std::string& gauge);

 private:
  std::unique_ptr<LoadedModule> module_;
  RecordingSink sink_;
  ActiveSink active_{&sink_};
};

}  // namespace vantor::test
