#include "render/text.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <vector>

namespace vantor {
namespace {

// Windows text-format flags: horizontal and vertical placement. Every
// text is drawn on one line whatever the flags say.
constexpr uint32_t kFormatCentre = 0x1, kFormatRight = 0x2, kFormatMiddle = 0x4, kFormatBottom = 0x8;

// Share of the box the widest text may fill, so no digit touches the
// display window's edge.
constexpr double kHeightShare = 0.72;
constexpr double kWidthShare = 0.94;

// COLORREF is 0x00BBGGRR; the drawing works in 0x00RRGGBB.
uint32_t FromColorRef(uint32_t c) { return (c & 0xFF) << 16 | (c & 0xFF00) | ((c >> 16) & 0xFF); }

void SetRgb(cairo_t* cr, uint32_t rgb) {
  cairo_set_source_rgb(cr, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0);
}

bool IsSegmentFamily(const std::string& family) { return family.rfind("DSEG", 0) == 0; }

// What is shown for each character. A segment display's blank is a whole
// unlit digit: the fonts' "!" has a digit's width, their space only a
// fifth of it, which would pull right-aligned numbers (" 123 KT") out of
// their columns. Bytes outside printable ASCII become "?": Cairo takes
// UTF-8, and one invalid sequence would stop all drawing on the context.
std::string Glyphs(const std::string& text, bool segments) {
  std::string glyphs = text;
  for (char& c : glyphs) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u > 0x7E) c = '?';
    else if (segments && c == ' ') c = '!';
  }
  return glyphs;
}

// The colour of each character: the text colour, or the highlight colour
// where an active selection's range covers it.
std::vector<uint32_t> CharacterColours(const StringElement& s, size_t length, const std::set<int>& active) {
  std::vector<uint32_t> colours(length, FromColorRef(s.text_color));
  if (s.highlights == nullptr) return colours;
  for (const HighlightEntry* h = s.highlights; h->selection != 0; ++h) {
    if (!active.count(h->selection)) continue;
    const int64_t first = std::max<int64_t>(h->first, 0);
    const int64_t last = std::min<int64_t>(h->last, static_cast<int64_t>(length) - 1);
    for (int64_t i = first; i <= last; ++i) colours[i] = FromColorRef(s.highlight_color);
  }
  return colours;
}

}  // namespace

std::string FontFamilyFor(const char* face, const std::string& text) {
  if (std::strcmp(face, "Quartz") != 0) return face;
  const bool letters = std::any_of(text.begin(), text.end(), [](unsigned char c) { return std::isalpha(c); });
  return letters ? "DSEG14 Classic" : "DSEG7 Classic";
}

void DrawString(cairo_t* cr, const StringElement& s, const std::string& text, const std::set<int>& active,
                Light light) {
  const double x = s.base.position.x, y = s.base.position.y;
  const double w = s.box_width, h = s.box_height;
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  // A black background under draw flag 0x1 is left out like black pixels
  // are: the display window painted on the face shows round the digits.
  if (!(s.background_color == 0 && (s.base.draw_flags & kDrawBlackTransparent))) {
    SetRgb(cr, Lit(FromColorRef(s.background_color), light));
    cairo_paint(cr);
  }
  if (text.empty()) {
    cairo_restore(cr);
    return;
  }

  char face[sizeof s.font_face + 1] = {};
  std::memcpy(face, s.font_face, sizeof s.font_face);
  const std::string family = FontFamilyFor(face, text);
  const bool segments = IsSegmentFamily(family);
  cairo_select_font_face(cr, family.c_str(), CAIRO_FONT_SLANT_NORMAL,
                         s.weight >= 600 ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);

  // The size comes from the element's character count in full digit
  // cells, not from the text of the moment, so it never jumps as the
  // text changes.
  cairo_set_font_size(cr, 100);
  cairo_text_extents_t digit;
  cairo_text_extents(cr, "8", &digit);
  const double cells = std::max<uint32_t>(s.chars, 1);
  const double size = std::min(h * kHeightShare / digit.height, w * kWidthShare / (cells * digit.x_advance)) * 100;
  if (!(size > 0)) {
    cairo_restore(cr);
    return;
  }
  cairo_set_font_size(cr, size);
  cairo_text_extents(cr, "8", &digit);

  const std::string glyphs = Glyphs(text, segments);
  cairo_text_extents_t whole;
  cairo_text_extents(cr, glyphs.c_str(), &whole);
  double pen = x;
  if (s.format_flags & kFormatCentre) pen = x + (w - whole.x_advance) / 2;
  else if (s.format_flags & kFormatRight) pen = x + w - whole.x_advance;
  // Digits set the line: the text sits where a row of 8s would.
  double baseline = y - digit.y_bearing;
  if (s.format_flags & kFormatMiddle) baseline = y + h / 2 - (digit.y_bearing + digit.height / 2);
  else if (s.format_flags & kFormatBottom) baseline = y + h - (digit.y_bearing + digit.height);

  const std::vector<uint32_t> colours = CharacterColours(s, glyphs.size(), active);
  for (size_t i = 0; i < glyphs.size();) {
    size_t end = i + 1;
    while (end < glyphs.size() && colours[end] == colours[i]) ++end;
    const std::string run = glyphs.substr(i, end - i);
    SetRgb(cr, Lit(colours[i], light));
    cairo_move_to(cr, pen, baseline);
    cairo_show_text(cr, run.c_str());
    cairo_text_extents_t e;
    cairo_text_extents(cr, run.c_str(), &e);
    pen += e.x_advance;
    i = end;
  }
  cairo_restore(cr);
}

}  // namespace vantor
