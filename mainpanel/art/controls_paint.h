// Painting helpers for the controls' pictures: knobs, rockers, toggles,
// wheels and lamp caps, each drawn inside a given box so the box can be the
// part's click zone.
//
// Pictures drawn with black-transparent flags keep pure black (0, 0, 0)
// for "not there"; everything these helpers paint is at least a little
// lighter than that, so no drawn part turns into a hole.
#pragma once

#include <string>
#include <vector>

#include "art.h"
#include "controls_layout.h"

namespace controls::paint {

using art::Rgb;

// The darkest colour a drawn part may have.
inline constexpr Rgb kDeepShadow = art::Byte(14, 14, 15);
inline constexpr Rgb kIvory = art::Byte(236, 233, 222);
inline constexpr Rgb kChrome = art::Byte(190, 192, 196);

Rgb Scale(Rgb c, double factor);  // darker below 1, lighter above; never pure black

// A vertical gradient as the source, top colour to bottom colour.
void VerticalGradient(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom);
// A horizontal gradient that shades a rod or drum as a cylinder.
void CylinderGradient(cairo_t* cr, double x0, double x1, Rgb colour);

// Lettering in lines centred on (cx, cy).
void Lines(cairo_t* cr, const std::vector<std::string>& lines, double cx, double cy, double size, Rgb colour);

// The largest lettering size, up to `size`, at which the lines fit the box.
double FitSize(cairo_t* cr, const std::vector<std::string>& lines, double width, double height, double size);

// Brushed panel metal with a recessed, bevelled face inside it.
void RecessedPanel(art::Canvas& canvas, double inset);

// A white rocker in its bezel filling the box; "on" presses the upper half in.
void WhiteRocker(cairo_t* cr, Box box, bool on, const std::vector<std::string>& legend);
// The red master rocker: two paddles, BAT on the left, ALT on the right.
void SplitRocker(cairo_t* cr, Box box, int bat_paddle_width, bool bat_on, bool alt_on);
// A ribbed thumbwheel in its slot; the white mark sits near the top or the bottom.
void ThumbWheel(cairo_t* cr, Box box, bool mark_high);
// A bat-handle toggle on a hex nut, lever up or down, inside the box.
void ToggleSwitch(cairo_t* cr, Box box, bool up);
// A square key cap with one letter.
void KeyCap(cairo_t* cr, Box box, const std::string& letter);
// An annunciator cap: a coloured lens with its legend, dark or lit.
void LampCap(cairo_t* cr, Box box, const std::string& legend, Rgb colour, bool lit);

}  // namespace controls::paint

namespace controls {

// The controls' pictures by family, each in its own file.
void DrawEngineControlPictures(art::ArtBook& book);  // levers, carb heat, fuel selector, primer, key
void DrawSwitchPictures(art::ArtBook& book);         // switch panel, single switches, annunciators

}  // namespace controls
