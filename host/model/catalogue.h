// The host's vocabulary as one set of tables: every token variable the
// gauges read, every key event they send, the failure keys they carry and
// the help texts behind their help ids. The avionics model, the panel and
// docs/variables.md all take their names and starting values from here.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/variables.h"

namespace vantor {

struct VariableInfo {
  uint32_t id;
  std::string_view name;        // UPPER_SNAKE, e.g. "COM1_ACTIVE_FREQUENCY"
  std::string_view unit;        // "BCD …" units are shown in hexadecimal
  VarForm form;                 // how a gauge reads it
  double initial;               // a parked aircraft, engine off, battery off
  double min, max;              // the values the panel is meant to show
  std::string_view changed_by;  // a key event, a scenario, the person
};

struct KeyEventInfo {
  uint32_t id;
  std::string_view name;
  std::string_view effect;  // what the avionics model does with it
};

struct FailureKeyInfo {
  uint32_t key;
  std::string_view name;
  std::string_view system;  // what a failure of this key stands for
};

std::span<const VariableInfo> VariableCatalogue();
const VariableInfo* FindVariable(uint32_t id);            // null if not catalogued
const VariableInfo* FindVariable(std::string_view name);  // null if not catalogued

// Declares every variable's form and gives it its starting value.
void PrepareVariables(VariableStore& vars);

std::span<const KeyEventInfo> KeyEventCatalogue();
const KeyEventInfo* FindKeyEvent(uint32_t id);  // null if not catalogued

std::span<const FailureKeyInfo> FailureKeyCatalogue();
const FailureKeyInfo* FindFailureKey(uint32_t key);  // null if not catalogued

// The text a panel shows over an area with this help id; "" for an id no
// gauge uses.
std::string_view HelpText(uint32_t help_id);

// Every table above as Markdown: the contents of docs/variables.md.
std::string CatalogueMarkdown();

}  // namespace vantor
