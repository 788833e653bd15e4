// What every module carries besides its gauges: the exported records, the
// gauge routines, the module start and end routines, the element-chain
// operations and the shared lamp callback.
#pragma once

#include "gauge.h"
#include "services.h"

// Defined by each module beside its Linkage: the first entry of its gauge
// list. The gauge routines hand that gauge's tree to the host, whichever
// gauge they are called for.
GaugeHeader* FirstGauge();

void ModuleStart();
void ModuleEnd();

// The seven gauge routines of a module. Routine n goes to element-list
// service n, except routine 7, which goes to service 8; routines 2 and 5
// pass the host's argument on unchanged.
template <class Path>
struct GaugeRoutines {
  static Element* Top() { return FirstGauge()->elements[0]; }
  static void One() { Path::ElementList1(Top()); }
  static void Two(uint32_t arg) { Path::ElementList2(Top(), arg); }
  static void Three() { Path::ElementList3(Top()); }
  static void Four() { Path::ElementList4(Top()); }
  static void Five(uint32_t arg) { Path::ElementList5(Top(), arg); }
  static void Six() { Path::ElementList6(Top()); }
  static void Seven() { Path::ElementList8(Top()); }
};

// Element chains: follow the first child n times from the start element.
Element* FindChainElement(Element* start, uint32_t depth);
void SetChainElementFlags(Element* start, uint32_t depth, uint32_t flags);
void ClearChainElementFlags(Element* start, uint32_t depth, uint32_t flags);

// Lamps and switch icons: a variable of 1 shows frame 0, 0 shows no frame.
double VarMinusOne(Element* element);
