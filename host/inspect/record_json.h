// The record inspector: everything a module file holds, as one JSON object
// (exports, ImportTable, Linkage, version, bitmaps, and every gauge's
// element tree and mouse rectangles). All numbers are decimal.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "core/module.h"

namespace vantor {

nlohmann::json DumpModule(const LoadedModule& module);

// A stable label for a module function: its name from the file's symbol
// table where there is one, else its offset in the module ("function@0x…").
// The same function always gets the same label.
std::string FunctionLabel(const LoadedModule& module, const void* function);

// The element kind names the inspector and the console use.
const char* KindName(uint32_t kind);

}  // namespace vantor
