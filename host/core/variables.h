// Token variables as the host keeps them: one number per id, and the form
// in which a module reads it (a double, or an unsigned integer in the low
// 32 or 16 bits of the value).
#pragma once

#include <cstdint>
#include <map>
#include <optional>

#include "gauge.h"

namespace vantor {

enum class VarForm { Double, U32, U16 };

class VariableStore {
 public:
  // The form a variable is read in; Double unless declared otherwise.
  void DeclareForm(uint32_t id, VarForm form) { forms_[id] = form; }
  VarForm FormOf(uint32_t id) const;

  void Set(uint32_t id, double value) { values_[id] = value; }
  double Get(uint32_t id) const;  // 0 for a variable never set
  bool Has(uint32_t id) const { return values_.count(id) != 0; }
  const std::map<uint32_t, double>& values() const { return values_; }

  // Writes the variable's present value into the binding, in its form.
  // A binding to token variable 0 is left alone.
  void Refresh(ModuleVar& var) const;

 private:
  std::map<uint32_t, double> values_;
  std::map<uint32_t, VarForm> forms_;
};

// The integer a variable holds when it is read in an integer form: NaN is
// 0, negative values wrap as two's complement, values outside 64 bits stop
// at the ends. Always defined.
uint64_t IntegerBitsOf(double value);

}  // namespace vantor
