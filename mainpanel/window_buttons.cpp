// Window buttons: invisible 50-pixel hot spots over pictures painted on the
// panel. A click asks the host to open or close one panel window; which
// window an id names is the panel configuration's.
#include "controls_records.h"

using namespace controls;

namespace {

// The host's answer (whether it opened or closed the window) goes back as
// the handler's own result.
template <uint32_t WindowId>
int32_t ToggleWindowClick(MousePoint, uint32_t) {
  return ForwardTogglePanelWindow(WindowId);
}

// The records of one button. Each button owns its element and mouse list;
// only the all-black picture 352 is shared.
template <GaugeHeader& Gauge, MouseHandler Click>
struct WindowButton {
  static inline StaticImageElement base = {
      {kStaticImage, 352, {0, 0}, {}, {}, &Gauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};  // draws nothing
  static inline Element* elements[] = {&base.base, nullptr};
  static inline const MouseRect mouse[] = {
      WholeGauge(0),
      HandlerZone(kWindowButtonZone, 5, 0x20000000, Click),
      kEndArea,
      kEndList,
  };
  static constexpr GaugeHeader Header(const char* name) { return MakeGauge(name, elements, 30, mouse); }
};

}  // namespace

// Each button's window id, which its gauge name carries.
static constexpr MouseHandler Toggle20Click  = ToggleWindowClick<20>;
static constexpr MouseHandler Toggle10Click  = ToggleWindowClick<10>;
static constexpr MouseHandler Toggle75Click  = ToggleWindowClick<75>;
static constexpr MouseHandler Toggle125Click = ToggleWindowClick<125>;
static constexpr MouseHandler Toggle200Click = ToggleWindowClick<200>;
static constexpr MouseHandler Toggle30Click  = ToggleWindowClick<30>;

GaugeHeader Toggle20Gauge  = WindowButton<Toggle20Gauge,  Toggle20Click>::Header("Toggle20");
GaugeHeader Toggle10Gauge  = WindowButton<Toggle10Gauge,  Toggle10Click>::Header("Toggle10");
GaugeHeader Toggle75Gauge  = WindowButton<Toggle75Gauge,  Toggle75Click>::Header("Toggle75");
GaugeHeader Toggle125Gauge = WindowButton<Toggle125Gauge, Toggle125Click>::Header("Toggle125");
GaugeHeader Toggle200Gauge = WindowButton<Toggle200Gauge, Toggle200Click>::Header("Toggle200");
GaugeHeader Toggle30Gauge  = WindowButton<Toggle30Gauge,  Toggle30Click>::Header("Toggle30");
