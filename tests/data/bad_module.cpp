// Module files with one fault each, for the loader's error messages.
// BAD_VARIANT: 1 no Linkage export, 2 no panel-services entry,
// 3 empty gauge list, 4 two gauges of one name.
#include "gauge.h"

static StaticImageElement base{{kStaticImage, 1, {0, 0}, {}, {}, nullptr, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* elements[] = {&base.base, nullptr};
static GaugeHeader first{700, "Same", elements, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         50, nullptr, nullptr, nullptr, 0};
static GaugeHeader second{700, "Same", elements, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                          50, nullptr, nullptr, nullptr, 0};

extern "C" {
#if BAD_VARIANT == 2
ImportTableRecord ImportTable = {{{0x10, nullptr}, {0, nullptr}}};
#else
ImportTableRecord ImportTable = {{{kPanelServicesId, nullptr}, {0, nullptr}}};
#endif

#if BAD_VARIANT == 3
LinkageRecord<0> Linkage = {kModuleId, nullptr, nullptr, 0, 0, 0, {nullptr}};
#elif BAD_VARIANT == 4
LinkageRecord<2> Linkage = {kModuleId, nullptr, nullptr, 0, 0, 0, {&first, &second, nullptr}};
#elif BAD_VARIANT != 1
LinkageRecord<1> Linkage = {kModuleId, nullptr, nullptr, 0, 0, 0, {&first, nullptr}};
#endif
}
