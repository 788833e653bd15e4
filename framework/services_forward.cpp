#include "services.h"

void ForwardElementList1(Element* top) { Services()->ElementList1(top); }
void ForwardElementList2(Element* top, uint32_t arg) { Services()->ElementList2(top, arg); }
void ForwardElementList3(Element* top) { Services()->ElementList3(top); }
void ForwardElementList4(Element* top) { Services()->ElementList4(top); }
void ForwardElementList5(Element* top, uint32_t arg) { Services()->ElementList5(top, arg); }
void ForwardElementList6(Element* top) { Services()->ElementList6(top); }
void ForwardElementList7(Element* top) { Services()->ElementList7(top); }
void ForwardElementList8(Element* top) { Services()->ElementList8(top); }
int32_t ForwardTogglePanelWindow(uint32_t id) { return Services()->TogglePanelWindow(id); }
int32_t ForwardTriggerKeyEvent(uint32_t event, uint32_t value) {
  return Services()->TriggerKeyEvent(event, value);
}
void ForwardLookupVar(ModuleVar* var) { Services()->LookupVar(var); }
int32_t ForwardClosePanelWindow(uint32_t id) { return Services()->ClosePanelWindow(id); }
int32_t ForwardOpenPanelWindow(uint32_t id) { return Services()->OpenPanelWindow(id); }
