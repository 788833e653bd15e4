// ToggleOpen and ToggleClose: the two magnifier buttons that swap panel
// window 0 for panel window 21 and back. One handler shape serves both.
#include <array>

#include "gauges.h"

namespace {

// magnifier with a plus sign
StaticImageElement ToggleOpenBase = {
    {kStaticImage, 336, {0, 0}, {}, {}, &ToggleOpenGauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
// magnifier with a minus sign
StaticImageElement ToggleCloseBase = {
    {kStaticImage, 337, {0, 0}, {}, {}, &ToggleCloseGauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};

Element* ToggleOpenElements[]  = {&ToggleOpenBase.base, nullptr};
Element* ToggleCloseElements[] = {&ToggleCloseBase.base, nullptr};

int32_t ToggleOpenClick(MousePoint, uint32_t);
int32_t ToggleCloseClick(MousePoint, uint32_t);

// The two lists differ only in the handler. The click area reaches beyond
// the 30 x 30 picture.
constexpr std::array<MouseRect, 4> ButtonMouse(MouseHandler click) {
  return {{
      {kMouseParent,    0, 0,  0,  0, -1, 0,          0, 0, nullptr, 0},
      {kMouseChild,     0, 0, 49, 49,  5, 0, 0x20000000, 0, click,   0},
      {kMouseEndParent, 0, 0,  0,  0, -1, 0,          0, 0, nullptr, 0},
      {kMouseEndList,   0, 0,  0,  0, -1, 0,          0, 0, nullptr, 0},
  }};
}
constexpr auto ToggleOpenMouse = ButtonMouse(ToggleOpenClick);
constexpr auto ToggleCloseMouse = ButtonMouse(ToggleCloseClick);

// Close first, so the two windows never stand open together; the host's
// answer to the opening is the button's answer.
int32_t SwapWindows(uint32_t close_id, uint32_t open_id) {
  ForwardClosePanelWindow(close_id);
  return ForwardOpenPanelWindow(open_id);
}

int32_t ToggleOpenClick(MousePoint, uint32_t) { return SwapWindows(0, 21); }
int32_t ToggleCloseClick(MousePoint, uint32_t) { return SwapWindows(21, 0); }

}  // namespace

GaugeHeader ToggleOpenGauge = {kHeaderVersion, "ToggleOpen", ToggleOpenElements,
                               Routines::One, Routines::Two, Routines::Three, Routines::Four,
                               Routines::Five, Routines::Six, Routines::Seven,
                               30, ToggleOpenMouse.data(), nullptr, nullptr, 0};
GaugeHeader ToggleCloseGauge = {kHeaderVersion, "ToggleClose", ToggleCloseElements,
                                Routines::One, Routines::Two, Routines::Three, Routines::Four,
                                Routines::Five, Routines::Six, Routines::Seven,
                                30, ToggleCloseMouse.data(), nullptr, nullptr, 0};
