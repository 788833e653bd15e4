#include "module.h"

// The host replaces the null reference with its service table before it
// calls anything in the module.
extern "C" {
ImportTableRecord ImportTable = {{{kPanelServicesId, nullptr}, {0, nullptr}}};
}

void ModuleStart() {}
void ModuleEnd() {}

Element* FindChainElement(Element* start, uint32_t depth) {
  Element* current = start;
  if (current == nullptr) return nullptr;
  for (uint32_t i = 0; i < depth; ++i) {
    if (current->children == nullptr || current->children[0] == nullptr) return nullptr;
    current = current->children[0];
  }
  return current;
}

void SetChainElementFlags(Element* start, uint32_t depth, uint32_t flags) {
  if (Element* e = FindChainElement(start, depth)) e->draw_flags |= flags;
}

void ClearChainElementFlags(Element* start, uint32_t depth, uint32_t flags) {
  if (Element* e = FindChainElement(start, depth)) e->draw_flags &= ~flags;
}

double VarMinusOne(Element* element) {
  // Every element that carries it is an icon; its first variable leads the
  // kind-specific fields.
  return VarDouble(reinterpret_cast<IconElement*>(element)->var) - 1.0;
}
