// The art program of a module: draws every picture and writes the module's
// resource section (bitmaps and version information), and, on request, each
// picture as a BMP file for a look.
//
//   <module>_art OUT.bin "File description" "Product name" 1.0.0 [BMP_DIR]
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "art.h"
#include "resource_format.h"

namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back((v >> (8 * i)) & 0xFF);
}

struct Resource {
  uint32_t type, id;
  std::vector<uint8_t> data;
};

std::vector<uint8_t> Pack(const std::vector<Resource>& resources) {
  std::vector<uint8_t> out;
  Put32(out, kResourceMagic);
  Put32(out, kResourceFormatVersion);
  Put32(out, static_cast<uint32_t>(resources.size()));
  uint32_t offset = 12 + 20 * static_cast<uint32_t>(resources.size());
  for (const Resource& r : resources) {
    Put32(out, r.type);
    Put32(out, r.id);
    Put32(out, kLanguageEnglishUs);
    Put32(out, offset);
    Put32(out, static_cast<uint32_t>(r.data.size()));
    offset += static_cast<uint32_t>(r.data.size());
  }
  for (const Resource& r : resources) out.insert(out.end(), r.data.begin(), r.data.end());
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::cerr << "usage: " << argv[0] << " OUT.bin DESCRIPTION PRODUCT VERSION [BMP_DIR]\n";
    return 2;
  }
  art::ArtBook book;
  try {
    DrawModuleArt(book);
  } catch (const std::exception& e) {
    std::cerr << argv[0] << ": " << e.what() << "\n";
    return 1;
  }
  std::vector<Resource> resources;
  for (const auto& [id, canvas] : book.pictures()) {
    resources.push_back({kResourceBitmap, static_cast<uint32_t>(id), art::EncodeBmp24(canvas)});
    if (argc > 5) {
      std::ofstream bmp(std::string(argv[5]) + "/" + std::to_string(id) + ".bmp", std::ios::binary);
      const auto& bytes = resources.back().data;
      bmp.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
  }
  const std::string version = argv[4];
  const std::string info = "FileVersion=" + version + "\nProductVersion=" + version +
                           "\nFileDescription=" + argv[2] + "\nProductName=" + argv[3] + "\n";
  resources.push_back({kResourceVersion, 1, std::vector<uint8_t>(info.begin(), info.end())});
  const std::vector<uint8_t> blob = Pack(resources);
  std::ofstream out(argv[1], std::ios::binary);
  out.write(reinterpret_cast<const char*>(blob.data()), static_cast<std::streamsize>(blob.size()));
  if (!out) {
    std::cerr << argv[0] << ": cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
