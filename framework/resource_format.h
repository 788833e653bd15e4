// How a module file carries its resources: one section named
// kResourceSection holding a small directory and the data it points at.
// The build tools write it; the host reads it. Modules never see it.
//
//   magic "GRES", format version, entry count            (3 x u32)
//   entries: type, id, language, offset, size             (5 x u32 each)
//   data: bitmaps as BMP files; the version entry as "Key=Value" lines
//
// All numbers are little-endian; offsets count from the start of the section.
#pragma once

#include <cstdint>

inline constexpr char kResourceSection[] = ".gauge_resources";
inline constexpr uint32_t kResourceMagic = 0x53455247;  // "GRES"
inline constexpr uint32_t kResourceFormatVersion = 1;
inline constexpr uint32_t kResourceBitmap = 2;   // the Windows resource type numbers
inline constexpr uint32_t kResourceVersion = 16;
inline constexpr uint32_t kLanguageEnglishUs = 1033;
