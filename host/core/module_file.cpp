#include "module_file.h"

#include <elf.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include "resource_format.h"

#define STBI_ONLY_BMP
#include <stb/stb_image.h>

namespace vantor {
namespace {

constexpr size_t kMaxModuleBytes = 256u << 20;

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw LoadError(path + ": cannot open module file");
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0 || static_cast<size_t>(size) > kMaxModuleBytes)
    throw LoadError(path + ": not a module file (unreadable or larger than 256 MiB)");
  in.seekg(0);
  std::vector<uint8_t> data(static_cast<size_t>(size));
  in.read(reinterpret_cast<char*>(data.data()), size);
  if (!in) throw LoadError(path + ": cannot read module file");
  return data;
}

// Bounds-checked reads out of the file image.
class Bytes {
 public:
  Bytes(const std::vector<uint8_t>& data, std::string path) : data_(data), path_(std::move(path)) {}
  template <class T>
  T Read(uint64_t offset) const {
    if (offset > data_.size() || sizeof(T) > data_.size() - offset) Fail("truncated");
    T value;
    std::memcpy(&value, data_.data() + offset, sizeof(T));
    return value;
  }
  void Check(uint64_t offset, uint64_t size) const {
    if (offset > data_.size() || size > data_.size() - offset) Fail("truncated");
  }
  std::string CString(uint64_t offset) const {
    std::string s;
    while (offset < data_.size() && data_[offset] != 0) s.push_back(static_cast<char>(data_[offset++]));
    if (offset >= data_.size()) Fail("unterminated name");
    return s;
  }
  [[noreturn]] void Fail(const std::string& what) const {
    throw LoadError(path_ + ": not a module file (" + what + ")");
  }
  const uint8_t* at(uint64_t offset) const { return data_.data() + offset; }

 private:
  const std::vector<uint8_t>& data_;
  std::string path_;
};

uint32_t Le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }

void ReadBmpHeader(BitmapResource& b, const std::string& path) {
  const auto& d = b.bmp;
  if (d.size() < 54 || d[0] != 'B' || d[1] != 'M')
    throw LoadError(path + ": bitmap " + std::to_string(b.id) + " is not a BMP picture");
  b.width = static_cast<int32_t>(Le32(&d[18]));
  const int32_t h = static_cast<int32_t>(Le32(&d[22]));
  b.height = h < 0 ? -h : h;
  b.bits_per_pixel = d[28] | d[29] << 8;
}

void ReadVersion(const std::string& text, VersionInfo& v) {
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    const auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
    if (key == "FileVersion") v.file_version = value;
    else if (key == "ProductVersion") v.product_version = value;
    else if (key == "FileDescription") v.file_description = value;
    else if (key == "ProductName") v.product_name = value;
  }
}

void ReadResources(const Bytes& file, uint64_t offset, uint64_t size, ModuleFileInfo& info,
                   const std::string& path) {
  file.Check(offset, size);
  auto fail = [&](const std::string& what) -> void {
    throw LoadError(path + ": damaged resource section (" + what + ")");
  };
  if (size < 12) fail("too short");
  const uint8_t* base = file.at(offset);
  if (Le32(base) != kResourceMagic) fail("bad magic");
  if (Le32(base + 4) != kResourceFormatVersion) fail("unknown format version");
  const uint32_t count = Le32(base + 8);
  if (count > (size - 12) / 20) fail("entry count beyond the section");
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* e = base + 12 + 20 * static_cast<size_t>(i);
    const uint32_t type = Le32(e), id = Le32(e + 4), lang = Le32(e + 8);
    const uint32_t at = Le32(e + 12), len = Le32(e + 16);
    if (at > size || len > size - at) fail("entry " + std::to_string(i) + " beyond the section");
    std::vector<uint8_t> data(base + at, base + at + len);
    if (type == kResourceBitmap) {
      BitmapResource b;
      b.id = id;
      b.language = lang;
      b.bmp = std::move(data);
      ReadBmpHeader(b, path);
      if (!info.bitmaps.emplace(id, std::move(b)).second)
        fail("bitmap " + std::to_string(id) + " stored twice");
    } else if (type == kResourceVersion) {
      ReadVersion(std::string(data.begin(), data.end()), info.version);
    }
  }
}

}  // namespace

ModuleFileInfo ReadModuleFile(const std::string& path) {
  const std::vector<uint8_t> data = ReadFile(path);
  const Bytes file(data, path);
  if (data.size() < sizeof(Elf64_Ehdr) || std::memcmp(data.data(), ELFMAG, SELFMAG) != 0)
    file.Fail("no ELF header");
  const auto eh = file.Read<Elf64_Ehdr>(0);
  if (eh.e_ident[EI_CLASS] != ELFCLASS64 || eh.e_type != ET_DYN) file.Fail("not a 64-bit shared object");
  if (eh.e_shentsize != sizeof(Elf64_Shdr)) file.Fail("odd section header size");
  file.Check(eh.e_shoff, static_cast<uint64_t>(eh.e_shnum) * sizeof(Elf64_Shdr));
  auto section = [&](uint32_t i) { return file.Read<Elf64_Shdr>(eh.e_shoff + uint64_t{i} * sizeof(Elf64_Shdr)); };
  if (eh.e_shstrndx >= eh.e_shnum) file.Fail("no section names");
  const Elf64_Shdr names = section(eh.e_shstrndx);

  ModuleFileInfo info;
  bool has_resources = false;
  for (uint32_t i = 0; i < eh.e_shnum; ++i) {
    const Elf64_Shdr sh = section(i);
    if (sh.sh_name >= names.sh_size) file.Fail("bad section name");
    const std::string name = file.CString(names.sh_offset + sh.sh_name);
    if (name == kResourceSection) {
      ReadResources(file, sh.sh_offset, sh.sh_size, info, path);
      has_resources = true;
    } else if (sh.sh_type == SHT_SYMTAB) {
      if (sh.sh_link >= eh.e_shnum || sh.sh_entsize != sizeof(Elf64_Sym)) file.Fail("bad symbol table");
      const Elf64_Shdr strings = section(sh.sh_link);
      file.Check(sh.sh_offset, sh.sh_size);
      for (uint64_t at = 0; at + sizeof(Elf64_Sym) <= sh.sh_size; at += sizeof(Elf64_Sym)) {
        const auto sym = file.Read<Elf64_Sym>(sh.sh_offset + at);
        if (ELF64_ST_TYPE(sym.st_info) != STT_FUNC || sym.st_value == 0 || sym.st_name >= strings.sh_size) continue;
        info.functions.emplace(sym.st_value, file.CString(strings.sh_offset + sym.st_name));
      }
    } else if (sh.sh_type == SHT_DYNSYM) {
      if (sh.sh_link >= eh.e_shnum || sh.sh_entsize != sizeof(Elf64_Sym)) file.Fail("bad symbol table");
      const Elf64_Shdr strings = section(sh.sh_link);
      file.Check(sh.sh_offset, sh.sh_size);
      for (uint64_t at = 0; at + sizeof(Elf64_Sym) <= sh.sh_size; at += sizeof(Elf64_Sym)) {
        const auto sym = file.Read<Elf64_Sym>(sh.sh_offset + at);
        const int bind = ELF64_ST_BIND(sym.st_info);
        if (sym.st_shndx == SHN_UNDEF || (bind != STB_GLOBAL && bind != STB_WEAK)) continue;
        if (sym.st_name >= strings.sh_size) file.Fail("bad symbol name");
        info.exports.push_back(file.CString(strings.sh_offset + sym.st_name));
      }
    }
  }
  if (!has_resources) throw LoadError(path + ": module file carries no resource section");
  return info;
}

Image DecodeBitmap(const BitmapResource& bitmap) {
  int w = 0, h = 0, channels = 0;
  stbi_uc* rgb = stbi_load_from_memory(bitmap.bmp.data(), static_cast<int>(bitmap.bmp.size()), &w, &h,
                                       &channels, 3);
  if (rgb == nullptr)
    throw LoadError("bitmap " + std::to_string(bitmap.id) + ": " + stbi_failure_reason());
  Image image;
  image.width = w;
  image.height = h;
  image.pixels.resize(static_cast<size_t>(w) * h);
  for (size_t i = 0; i < image.pixels.size(); ++i)
    image.pixels[i] = uint32_t{rgb[3 * i]} << 16 | uint32_t{rgb[3 * i + 1]} << 8 | rgb[3 * i + 2];
  stbi_image_free(rgb);
  return image;
}

}  // namespace vantor
