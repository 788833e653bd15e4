// Builders for the records of Radios. They keep each gauge file a list of
// rows: one call per element or mouse rectangle, with the numbers that
// differ from row to row written out and the parameters every radio shares
// (the amber "Quartz" text, zero host fields) said once here.
#pragma once

#include "gauges.h"
#include "layout.h"

namespace radios {

// Cursors over a click zone.
inline constexpr int32_t kCursorRaise = 1;
inline constexpr int32_t kCursorLower = 2;
inline constexpr int32_t kCursorPush = 5;

// The parameters common to every element kind; the host's working fields
// stay zero.
constexpr Element Base(uint32_t kind, int32_t bitmap, Pos at, GaugeHeader* gauge,
                       Element** children, const FailureRecord* failures, uint32_t draw_flags,
                       uint32_t special_flags = 0) {
  return {kind,    bitmap,  {at.x, at.y}, {0, 0},     {0, 0},        gauge,
          nullptr, children, failures,    draw_flags, special_flags, 0};
}

constexpr ModuleVar Var(uint32_t token_variable) { return {token_variable, nullptr, 0, 0, 0}; }

// Every text of Radios is drawn alike: amber on black in the "Quartz"
// face, normal weight, default charset, centred on one line.
constexpr StringElement Text(Element base, uint32_t var1, uint32_t var2, uint32_t var3, Size box,
                             uint32_t chars, const HighlightEntry* highlights,
                             ValueCallback callback) {
  StringElement s{};
  s.base = base;
  s.vars[0] = Var(var1);
  s.vars[1] = Var(var2);
  s.vars[2] = Var(var3);
  s.box_width = static_cast<uint32_t>(box.w);
  s.box_height = static_cast<uint32_t>(box.h);
  s.text_color = 0x0060D0;
  s.background_color = 0x000000;
  s.highlight_color = 0xFFFFFF;
  const char face[] = "Quartz";
  for (size_t i = 0; i < sizeof face; ++i) s.font_face[i] = face[i];
  s.weight = 400;
  s.charset = 1;
  s.format_flags = 0x25;
  s.chars = chars;
  s.highlights = highlights;
  s.value = callback;
  return s;
}

// Icons of this module use switch mode 0 and the later record generation,
// whose trailing fields stay zero.
constexpr IconElement800 Icon(Element base, uint32_t var, uint32_t frames, ValueCallback callback) {
  return {{base, Var(var), 0, frames, callback}, {0, 0, 0, 0}};
}

// A digit drum: the strip moves vertically only, over the values 0 to 9.
constexpr MovingImageElement Drum(Element base, uint32_t var, ValueCallback digit) {
  return {base, Var(0), 0.0, 0.0, Var(var), 0.0, 9.0, nullptr, digit};
}

// Mouse rectangles.
constexpr MouseRect Parent(Box b, uint32_t help_id) {
  return {kMouseParent, b.x, b.y, static_cast<uint32_t>(b.w), static_cast<uint32_t>(b.h),
          -1, help_id, 0, 0, nullptr, 0};
}
constexpr MouseRect KeyChild(Box b, int32_t cursor, uint32_t mouse_flags, uint32_t key_event) {
  return {kMouseChild, b.x, b.y, static_cast<uint32_t>(b.w), static_cast<uint32_t>(b.h),
          cursor, 0, mouse_flags, key_event, nullptr, 0};
}
constexpr MouseRect HandlerChild(Box b, int32_t cursor, uint32_t mouse_flags, MouseHandler handler) {
  return {kMouseChild, b.x, b.y, static_cast<uint32_t>(b.w), static_cast<uint32_t>(b.h),
          cursor, 0, mouse_flags, 0, handler, 0};
}
inline constexpr MouseRect kEndParent{kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0};
inline constexpr MouseRect kEndList{kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0};

// A gauge header of this module: every gauge forwards the shared routine
// set, is 200 mm wide by default and has no gauge callback.
constexpr GaugeHeader Header(const char* name, Element** top, const MouseRect* mouse) {
  return {kHeaderVersion, name,           top,           Routines::One,   Routines::Two,
          Routines::Three, Routines::Four, Routines::Five, Routines::Six, Routines::Seven,
          200,             mouse,          nullptr,       nullptr,        0};
}

// Places a box given relative to another box's corner.
constexpr Box At(Pos corner, Size size) { return {corner.x, corner.y, size.w, size.h}; }
constexpr Pos Corner(Box b) { return {b.x, b.y}; }
constexpr Size SizeOf(Box b) { return {b.w, b.h}; }

}  // namespace radios
