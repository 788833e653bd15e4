#include "variables.h"

#include <cmath>

namespace vantor {

VarForm VariableStore::FormOf(uint32_t id) const {
  auto f = forms_.find(id);
  return f == forms_.end() ? VarForm::Double : f->second;
}

double VariableStore::Get(uint32_t id) const {
  auto v = values_.find(id);
  return v == values_.end() ? 0.0 : v->second;
}

uint64_t IntegerBitsOf(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 9223372036854775807.0) return INT64_MAX;
  if (value <= -9223372036854775808.0) return static_cast<uint64_t>(INT64_MIN);
  return static_cast<uint64_t>(static_cast<int64_t>(value));
}

void VariableStore::Refresh(ModuleVar& var) const {
  if (var.id == 0) return;
  const double value = Get(var.id);
  switch (FormOf(var.id)) {
    case VarForm::Double: SetVarDouble(var, value); break;
    case VarForm::U32: SetVarU32(var, static_cast<uint32_t>(IntegerBitsOf(value))); break;
    case VarForm::U16: SetVarU16(var, static_cast<uint16_t>(IntegerBitsOf(value))); break;
  }
}

}  // namespace vantor
