#include "viewer/picture.h"

#include <stb/stb_image_write.h>

#include <algorithm>
#include <cstring>

namespace vantor::viewer {

std::string EncodePng(cairo_surface_t* surface, const Rect& wanted) {
  cairo_surface_flush(surface);
  const Rect bounds{0, 0, cairo_image_surface_get_width(surface), cairo_image_surface_get_height(surface)};
  const Rect r = wanted.Intersect(bounds);
  if (r.empty()) return {};
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  std::vector<unsigned char> rgba(static_cast<size_t>(r.width) * r.height * 4);
  unsigned char* out = rgba.data();
  for (int y = r.y; y < r.y + r.height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = r.x; x < r.x + r.width; ++x, out += 4) {
      const uint32_t p = row[x];
      const unsigned a = p >> 24;
      // Cairo keeps colours premultiplied by alpha; PNG wants them whole.
      auto whole = [a](unsigned c) { return static_cast<unsigned char>(a == 0 ? 0 : (c * 255 + a / 2) / a); };
      out[0] = whole((p >> 16) & 0xFF);
      out[1] = whole((p >> 8) & 0xFF);
      out[2] = whole(p & 0xFF);
      out[3] = static_cast<unsigned char>(a);
    }
  }
  std::string png;
  // A patch lives for one frame on a local connection: speed matters more
  // than size, so the encoder searches little.
  stbi_write_png_compression_level = 2;
  stbi_write_png_to_func(
      [](void* context, void* bytes, int size) { static_cast<std::string*>(context)->append(static_cast<char*>(bytes), size); },
      &png, r.width, r.height, 4, rgba.data(), r.width * 4);
  return png;
}

namespace {

const uint32_t* Row(cairo_surface_t* surface, int y) {
  return reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(surface) +
                                           static_cast<size_t>(y) * cairo_image_surface_get_stride(surface));
}

}  // namespace

void SentPicture::Take(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  width_ = cairo_image_surface_get_width(surface);
  height_ = cairo_image_surface_get_height(surface);
  pixels_.resize(static_cast<size_t>(width_) * height_);
  for (int y = 0; y < height_; ++y)
    std::memcpy(&pixels_[static_cast<size_t>(y) * width_], Row(surface, y), sizeof(uint32_t) * width_);
}

Rect SentPicture::Changed(cairo_surface_t* surface, const Rect& area) {
  cairo_surface_flush(surface);
  if (cairo_image_surface_get_width(surface) != width_ || cairo_image_surface_get_height(surface) != height_) {
    Take(surface);  // nothing sent yet of this size: all of it is new
    return area.Intersect({0, 0, width_, height_});
  }
  const Rect r = area.Intersect({0, 0, width_, height_});
  int x0 = r.x + r.width, x1 = r.x - 1, y0 = r.y + r.height, y1 = r.y - 1;
  for (int y = r.y; y < r.y + r.height; ++y) {
    const uint32_t* now = Row(surface, y) + r.x;
    uint32_t* sent = &pixels_[static_cast<size_t>(y) * width_ + r.x];
    if (std::memcmp(now, sent, sizeof(uint32_t) * r.width) == 0) continue;
    int first = 0, last = r.width - 1;
    while (now[first] == sent[first]) ++first;
    while (now[last] == sent[last]) --last;
    x0 = std::min(x0, r.x + first);
    x1 = std::max(x1, r.x + last);
    y0 = std::min(y0, y);
    y1 = y;
    std::memcpy(sent + first, now + first, sizeof(uint32_t) * (last - first + 1));
  }
  if (x1 < x0) return {};
  return {x0, y0, x1 - x0 + 1, y1 - y0 + 1};
}

std::string Base64(std::string_view bytes) {
  static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    const uint32_t v = uint32_t(uint8_t(bytes[i])) << 16 | uint32_t(uint8_t(bytes[i + 1])) << 8 | uint8_t(bytes[i + 2]);
    for (int s : {18, 12, 6, 0}) out += kAlphabet[(v >> s) & 0x3F];
  }
  if (i < bytes.size()) {
    const bool two = i + 1 < bytes.size();
    const uint32_t v = uint32_t(uint8_t(bytes[i])) << 16 | (two ? uint32_t(uint8_t(bytes[i + 1])) << 8 : 0);
    out += kAlphabet[(v >> 18) & 0x3F];
    out += kAlphabet[(v >> 12) & 0x3F];
    out += two ? kAlphabet[(v >> 6) & 0x3F] : '=';
    out += '=';
  }
  return out;
}

}  // namespace vantor::viewer
