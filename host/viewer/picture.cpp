#include "viewer/picture.h"

#include <stb/stb_image_write.h>

#include <cstdint>
#include <cstring>
#include <vector>

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
