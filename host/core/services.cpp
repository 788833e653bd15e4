#include "services.h"

namespace vantor {
namespace {

thread_local ServiceSink* g_sink = nullptr;

template <int N>
void List(Element* top) {
  if (g_sink) g_sink->ElementList(N, top, 0);
}
template <int N>
void ListArg(Element* top, uint32_t arg) {
  if (g_sink) g_sink->ElementList(N, top, arg);
}

PanelServices g_table = {
    List<1>, ListArg<2>, List<3>, List<4>, ListArg<5>, List<6>, List<7>, List<8>,
    [](uint32_t id) { return g_sink ? g_sink->TogglePanelWindow(id) : 0; },
    [](uint32_t event, uint32_t value) { return g_sink ? g_sink->TriggerKeyEvent(event, value) : 0; },
    [](ModuleVar* var) {
      if (g_sink && var) g_sink->LookupVar(var);
    },
    [](uint32_t id) { return g_sink ? g_sink->ClosePanelWindow(id) : 0; },
    [](uint32_t id) { return g_sink ? g_sink->OpenPanelWindow(id) : 0; },
};

}  // namespace

PanelServices* HostServiceTable() { return &g_table; }

ActiveSink::ActiveSink(ServiceSink* sink) : previous_(g_sink) { g_sink = sink; }
ActiveSink::~ActiveSink() { g_sink = previous_; }

}  // namespace vantor
