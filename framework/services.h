// The module's way to the host: the service table that the host hands over
// in ImportTable, and the two ways of calling it. Radios calls the table
// directly; Vantor2, Vantor3 and Vantorhsi go through one forwarding
// function per host service, the same set in all three.
#pragma once

#include "gauge.h"

extern "C" ImportTableRecord ImportTable;

// The table the host stored in ImportTable. The host fills it before it
// calls anything in the module, so no module code checks it for null.
inline PanelServices* Services() { return ImportTable.entries[0].table; }

// The forwarding set. Element-list service 7 is forwarded too, although no
// routine reaches it.
void ForwardElementList1(Element* top);
void ForwardElementList2(Element* top, uint32_t arg);
void ForwardElementList3(Element* top);
void ForwardElementList4(Element* top);
void ForwardElementList5(Element* top, uint32_t arg);
void ForwardElementList6(Element* top);
void ForwardElementList7(Element* top);
void ForwardElementList8(Element* top);
int32_t ForwardTogglePanelWindow(uint32_t window_id);
int32_t ForwardTriggerKeyEvent(uint32_t key_event, uint32_t value);
void ForwardLookupVar(ModuleVar* var);
int32_t ForwardClosePanelWindow(uint32_t window_id);
int32_t ForwardOpenPanelWindow(uint32_t window_id);

// Calls straight into the table (Radios).
struct DirectServices {
  static void ElementList1(Element* e) { Services()->ElementList1(e); }
  static void ElementList2(Element* e, uint32_t a) { Services()->ElementList2(e, a); }
  static void ElementList3(Element* e) { Services()->ElementList3(e); }
  static void ElementList4(Element* e) { Services()->ElementList4(e); }
  static void ElementList5(Element* e, uint32_t a) { Services()->ElementList5(e, a); }
  static void ElementList6(Element* e) { Services()->ElementList6(e); }
  static void ElementList8(Element* e) { Services()->ElementList8(e); }
};

// Calls through the forwarding set (Vantor2, Vantor3, Vantorhsi).
struct ForwardedServices {
  static void ElementList1(Element* e) { ForwardElementList1(e); }
  static void ElementList2(Element* e, uint32_t a) { ForwardElementList2(e, a); }
  static void ElementList3(Element* e) { ForwardElementList3(e); }
  static void ElementList4(Element* e) { ForwardElementList4(e); }
  static void ElementList5(Element* e, uint32_t a) { ForwardElementList5(e, a); }
  static void ElementList6(Element* e) { ForwardElementList6(e); }
  static void ElementList8(Element* e) { ForwardElementList8(e); }
};
