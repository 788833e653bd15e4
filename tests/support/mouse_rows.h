// Mouse lists written as tables in tests, and the check of a gauge's list
// against one, entry by entry as stored.
#pragma once

#include <string>
#include <vector>

#include "gauge.h"

namespace vantor::test {

// One entry of a mouse list; `handler` says whether it calls module code.
struct MouseRow {
  uint32_t type;
  int32_t x, y;
  uint32_t w, h;
  int32_t cursor;
  uint32_t help;
  uint32_t flags;
  uint32_t key;
  bool handler;
};

inline constexpr uint32_t kClick = 0x20000000;  // push buttons, switches, handlers
inline constexpr uint32_t kStep = 0x20200000;   // zones that step a value

inline MouseRow Parent(int32_t x, int32_t y, uint32_t w, uint32_t h, uint32_t help) {
  return {kMouseParent, x, y, w, h, -1, help, 0, 0, false};
}
inline MouseRow Event(int32_t x, int32_t y, uint32_t w, uint32_t h, int32_t cursor, uint32_t flags, uint32_t key) {
  return {kMouseChild, x, y, w, h, cursor, 0, flags, key, false};
}
inline MouseRow Handler(int32_t x, int32_t y, uint32_t w, uint32_t h, int32_t cursor, uint32_t flags) {
  return {kMouseChild, x, y, w, h, cursor, 0, flags, 0, true};
}
inline constexpr MouseRow kEndParent{kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, false};
inline constexpr MouseRow kEndList{kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, false};

// Every field of every entry up to the end of the list; the rows must end
// with kEndList. `gauge` names the list in failures.
void ExpectMouseList(const MouseRect* list, const std::string& gauge, const std::vector<MouseRow>& rows);

}  // namespace vantor::test
