// Drawing helpers for the modules' bitmaps. Each module has an art program
// that draws its pictures with these helpers at build time; the pictures are
// written as 24-bit BMP resources into the module file. Nothing here is
// linked into a module.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace art {

struct Rgb {
  double r, g, b;  // 0..1
};
inline constexpr Rgb Byte(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{1, 1, 1};
inline constexpr Rgb kNearBlack = Byte(1, 1, 1);  // the "see-through" colour of window pictures
inline constexpr Rgb kPanelGrey = Byte(58, 60, 64);
inline constexpr Rgb kFaceBlack = Byte(24, 24, 26);
inline constexpr Rgb kMarkWhite = Byte(236, 236, 228);
inline constexpr Rgb kRed = Byte(200, 30, 24);
inline constexpr Rgb kGreen = Byte(40, 170, 60);
inline constexpr Rgb kYellow = Byte(230, 190, 40);
inline constexpr Rgb kAmber = Byte(240, 140, 20);

// A picture of exact pixel size, black when created. Anti-aliasing is the
// caller's to turn off where exact pixel rules matter.
class Canvas {
 public:
  Canvas(int width, int height);
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  Canvas(Canvas&&) noexcept;
  ~Canvas();

  int width() const { return width_; }
  int height() const { return height_; }
  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }

  void Fill(Rgb colour);
  void FillRect(double x, double y, double w, double h, Rgb colour);
  // Exact pixel access, no anti-aliasing: for the pictures whose pixels
  // follow rules of their own.
  void SetPixel(int x, int y, Rgb colour);
  Rgb GetPixel(int x, int y) const;
  // Copies another canvas onto this one at (x, y).
  void Paste(const Canvas& from, double x, double y);

 private:
  int width_, height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

void SetColour(cairo_t* cr, Rgb c);

// Text in the plain lettering face, centred on (cx, cy).
void Label(cairo_t* cr, const std::string& text, double cx, double cy, double size, Rgb colour,
           bool bold = true);
// Text starting at (x, baseline y).
void LabelLeft(cairo_t* cr, const std::string& text, double x, double y, double size, Rgb colour,
               bool bold = true);

// A dial mark: a point of a needle's calibration table and the needle's
// pivot give the direction; the mark runs from inner to outer radius along it.
struct DialPoint {
  double x, y;        // the table's gauge point
  std::string label;  // drawn at label_radius, empty for none
};
struct MarkStyle {
  double inner, outer;   // radii from the pivot
  double width = 2.0;
  Rgb colour = kMarkWhite;
  double label_radius = 0;  // 0: no labels
  double label_size = 10;
};
void DialMarks(cairo_t* cr, double pivot_x, double pivot_y, const std::vector<DialPoint>& points,
               const MarkStyle& style);
// Minor marks evenly between neighbouring table points (count per gap).
void MinorMarks(cairo_t* cr, double pivot_x, double pivot_y, const std::vector<DialPoint>& points,
                int per_gap, const MarkStyle& style);
// An arc band between two angles (radians, clockwise from +x as in cairo).
void ArcBand(cairo_t* cr, double cx, double cy, double radius, double width, double from,
             double to, Rgb colour);
// Angle of a gauge point seen from the pivot, in cairo's radians.
double AngleTo(double pivot_x, double pivot_y, double x, double y);

// A round dial face with a rim.
void DialFace(cairo_t* cr, double cx, double cy, double radius, Rgb face = kFaceBlack,
              Rgb rim = Byte(90, 92, 96));
// A needle drawn along +x from (x0, cy) to (x1, cy) with a tail and a hub.
void NeedleShape(cairo_t* cr, double x0, double x1, double cy, double width, Rgb colour);
// A knurled round knob seen from the front.
void Knob(cairo_t* cr, double cx, double cy, double radius, Rgb colour, int ridges = 24);
// Two knobs, a large one under a small one: the radios' tuning knobs.
void ConcentricKnob(cairo_t* cr, double cx, double cy, double outer, double inner);
// A rocker switch in a box; on shows the upper half pressed in.
void Rocker(cairo_t* cr, double x, double y, double w, double h, bool on, const std::string& label);
// A toggle switch with its lever up or down.
void Toggle(cairo_t* cr, double cx, double cy, double size, bool up);
// A round lamp, dark or lit.
void Lamp(cairo_t* cr, double cx, double cy, double radius, Rgb colour, bool lit);
// The path of a rectangle with rounded corners (radius cut to fit), for the
// caller to fill or stroke.
void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius);
// A rounded push button with a legend, dark or lit.
void Button(cairo_t* cr, double x, double y, double w, double h, const std::string& legend,
            bool lit, Rgb lit_colour = kAmber);
// A dark display window with a bevel.
void DisplayWindow(cairo_t* cr, double x, double y, double w, double h);
// Screw heads in the four corners of a face.
void Screws(cairo_t* cr, double x, double y, double w, double h, double inset, double radius);
// A vertical strip of digits 0..9 (then 0 again), one every `step` pixels,
// each centred in its step, on a drum of the given width.
void DrumStrip(Canvas& canvas, double step, double top, double digit_size);
// Brushed panel metal.
void PanelTexture(Canvas& canvas, Rgb base = kPanelGrey);

// The pictures of one module, by resource id.
class ArtBook {
 public:
  // Adds a picture; a second picture under the same id is an error.
  Canvas& Add(int id, int width, int height);
  const std::map<int, Canvas>& pictures() const { return pictures_; }

 private:
  std::map<int, Canvas> pictures_;
};

// 24-bit bottom-up BMP file bytes of a canvas.
std::vector<uint8_t> EncodeBmp24(const Canvas& canvas);

}  // namespace art

// Defined by each module's art program.
void DrawModuleArt(art::ArtBook& book);
