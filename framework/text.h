// Safe text output for string callbacks and safe truncation of doubles.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "gauge.h"

// Truncates toward zero into the 32-bit signed range. NaN gives 0 and
// values beyond the range stop at its ends, so no input is undefined.
inline int32_t TruncToInt32(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 2147483647.0) return INT32_MAX;
  if (v <= -2147483648.0) return INT32_MIN;
  return static_cast<int32_t>(v);
}

// Writes text into a string element's buffer: never more than the
// element's character count, always zero-terminated. Texts longer than
// the count are replaced by dashes, so a display never shows a cut number.
inline void WriteElementText(StringElement* s, const char* text) {
  if (s->text == nullptr) return;
  size_t len = 0;
  while (text[len] != '\0') ++len;
  if (len <= s->chars) {
    for (size_t i = 0; i <= len; ++i) s->text[i] = text[i];
    return;
  }
  for (uint32_t i = 0; i < s->chars; ++i) s->text[i] = '-';
  s->text[s->chars] = '\0';
}
