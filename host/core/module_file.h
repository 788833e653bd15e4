// Reading a module file as a file: its dynamic exports, its bitmaps and its
// version information, without running any of its code.
#pragma once

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace vantor {

// Anything wrong with a module file; the message names the file.
struct LoadError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct BitmapResource {
  uint32_t id = 0;
  uint32_t language = 0;
  int width = 0, height = 0;
  int bits_per_pixel = 0;
  std::vector<uint8_t> bmp;  // the whole BMP file
};

struct VersionInfo {
  std::string file_version, product_version, file_description, product_name;
};

struct ModuleFileInfo {
  std::vector<std::string> exports;  // defined dynamic symbols
  std::map<uint32_t, BitmapResource> bitmaps;
  VersionInfo version;
  // Function names from the file's symbol table, by address offset, for
  // the record inspector; empty for a stripped file.
  std::map<uint64_t, std::string> functions;
};

// Throws LoadError for a file that cannot be read, is not an ELF shared
// object, or carries a damaged resource section.
ModuleFileInfo ReadModuleFile(const std::string& path);

// Pixels of a decoded bitmap, 0x00RRGGBB each, rows top-down.
struct Image {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;
  uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Throws LoadError naming the bitmap id when the data is not a BMP.
Image DecodeBitmap(const BitmapResource& bitmap);

}  // namespace vantor
