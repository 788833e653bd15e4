// The look shared by the radio faces, and the drawing of each gauge's
// pictures. Positions come from layout.h, the same numbers the records use.
#pragma once

#include <string>
#include <vector>

#include "art.h"
#include "layout.h"

namespace radios::art_parts {

inline constexpr art::Rgb kFaceDark = art::Byte(38, 39, 42);
inline constexpr art::Rgb kFaceEdge = art::Byte(70, 72, 76);
inline constexpr art::Rgb kLettering = art::kMarkWhite;
inline constexpr art::Rgb kDimLettering = art::Byte(150, 152, 156);
inline constexpr art::Rgb kRecess = art::Byte(12, 12, 13);

// A radio's front plate filling the box: dark anodised metal with a lighter
// rim and a screw in each corner.
void Faceplate(art::Canvas& canvas, double x, double y, double w, double h);
// White lettering on a face, centred on (cx, cy).
void Legend(cairo_t* cr, const std::string& text, double cx, double cy, double size,
            art::Rgb colour = kLettering);
// A sunken rectangle where a drum or a lever shows through the face.
void Recess(cairo_t* cr, double x, double y, double w, double h);
// A small knob with a white index line pointing at `angle` (radians,
// clockwise from +x).
void PointerKnob(cairo_t* cr, double cx, double cy, double radius, double angle);
// A rotary selector: a pointer knob with its position names round it; the
// knob points at the first name.
void RotarySelector(cairo_t* cr, double cx, double cy, double radius,
                    const std::vector<std::string>& positions, double first_angle, double step,
                    const std::string& title);

void DrawComNav(art::ArtBook& book);
void DrawDrums(art::ArtBook& book);
void DrawAutopilot(art::ArtBook& book);
void DrawDme(art::ArtBook& book);
void DrawAudio(art::ArtBook& book);

}  // namespace radios::art_parts
