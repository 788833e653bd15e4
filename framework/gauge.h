// The records every gauge module carries and the panel host reads: the two
// exported records, the gauge header, the seven element kinds, variable
// bindings, calibration and failure lists, and mouse rectangles.
//
// Every field has a fixed width except references, which are pointers of the
// platform. The layout is the contract between a module and the host, so the
// fields stay in this order; the host owns the fields marked "host's".
// Nothing here is platform specific: the same sources build as ELF shared
// objects here and as 32-bit Windows libraries.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

struct GaugeHeader;
struct Element;
struct ModuleVar;

// ---------------------------------------------------------------------------
// Host services

using ElementListService = void (*)(Element* top);
using ElementListServiceArg = void (*)(Element* top, uint32_t arg);

// The host's service table, in table order. The module reaches the host only
// through it. Services 2 and 5 take the routine's argument on.
struct PanelServices {
  ElementListService ElementList1;
  ElementListServiceArg ElementList2;
  ElementListService ElementList3;
  ElementListService ElementList4;
  ElementListServiceArg ElementList5;
  ElementListService ElementList6;
  ElementListService ElementList7;  // reached by no gauge routine
  ElementListService ElementList8;  // gauge routine 7
  int32_t (*TogglePanelWindow)(uint32_t window_id);
  int32_t (*TriggerKeyEvent)(uint32_t key_event, uint32_t value);
  void (*LookupVar)(ModuleVar* var);
  int32_t (*ClosePanelWindow)(uint32_t window_id);
  int32_t (*OpenPanelWindow)(uint32_t window_id);
};

// Service-table id under which the host hands over PanelServices.
inline constexpr uint32_t kPanelServicesId = 0x0F;

struct ImportEntry {
  uint32_t id;
  PanelServices* table;  // null in the data; the host fills it before any call
};

// One entry for the panel services, then the all-zero end pair.
struct ImportTableRecord {
  ImportEntry entries[2];
};

// ---------------------------------------------------------------------------
// Token variable binding

// One host token variable bound to an element or held at module level.
// The current value keeps the variable in its own form: a double, or an
// unsigned integer in the low 32 or low 16 bits. It is kept as raw bits so
// that every reading is a defined conversion, never a type pun.
struct ModuleVar {
  uint32_t id;           // token variable; 0 binds nothing
  const void* value_ref; // host's
  uint32_t type;         // host's
  uint64_t current;      // the value, in the variable's own form
  uint64_t previous;     // host's
};

inline double VarDouble(const ModuleVar& v) {
  double d;
  std::memcpy(&d, &v.current, sizeof d);
  return d;
}
inline uint32_t VarU32(const ModuleVar& v) { return static_cast<uint32_t>(v.current); }
inline uint16_t VarU16(const ModuleVar& v) { return static_cast<uint16_t>(v.current); }

inline void SetVarDouble(ModuleVar& v, double d) { std::memcpy(&v.current, &d, sizeof d); }
inline void SetVarU32(ModuleVar& v, uint32_t u) { v.current = u; }
inline void SetVarU16(ModuleVar& v, uint16_t u) { v.current = u; }

// ---------------------------------------------------------------------------
// Element records

enum ElementKind : uint32_t {
  kStaticImage = 0,
  kNeedle = 1,
  kString = 2,
  kSlider = 3,
  kIcon = 4,
  kMovingImage = 5,
  kSprite = 6,
};

// Draw flags. Only the meanings the modules rely on are named here; the
// host gives the other bits their meaning.
inline constexpr uint32_t kDrawBlackTransparent = 0x1;
inline constexpr uint32_t kHidden = 0x40000000;

using ValueCallback = double (*)(Element* element);

struct Point32 {
  int32_t x, y;
};

struct FailureRecord {
  uint32_t key;     // 0 ends the list
  uint32_t action;
  uint32_t reserved;
};

struct NonlinearityEntry {
  Point32 point;
  double value;
  uint64_t host_work;  // host's
};

// Parameters common to every kind, in record order. Each kind's record
// starts with this block, so a pointer to it is a pointer to the record.
struct Element {
  uint32_t kind;
  int32_t bitmap_id;        // -1 for strings
  Point32 position;
  Point32 previous_position;  // host's
  Point32 pivot;            // needle pivot or sprite texture centre
  GaugeHeader* gauge;       // owning gauge
  Element* previous;        // host's
  Element** children;       // null-ended list, or null
  const FailureRecord* failures;
  uint32_t draw_flags;
  uint32_t special_flags;
  uint32_t reserved;
};

struct StaticImageElement {
  Element base;
};

struct NeedleElement {
  Element base;
  ModuleVar var;
  NonlinearityEntry* table;
  uint32_t table_entries;
  uint32_t max_degrees_per_update;
  ValueCallback value;
};

struct HighlightEntry {
  int32_t selection;  // 0 ends the list
  int32_t first;
  int32_t last;
};

struct StringElement {
  Element base;
  ModuleVar vars[3];
  char* text;               // host's buffer: chars + 1 bytes
  uint32_t box_width;
  uint32_t box_height;
  uint32_t text_color;      // COLORREF 0x00BBGGRR
  uint32_t background_color;
  uint32_t highlight_color;
  char font_face[32];
  uint32_t weight;
  uint32_t charset;
  uint32_t format_flags;
  uint32_t chars;
  const HighlightEntry* highlights;
  ValueCallback value;
};

struct SliderElement {
  Element base;
  ModuleVar x_var;
  double x_scale;
  ModuleVar y_var;
  double y_scale;
  ValueCallback x_value;
  ValueCallback y_value;
};

struct IconElement {
  Element base;
  ModuleVar var;
  uint32_t switch_mode;
  uint32_t frames;
  ValueCallback value;
};

// Icons of the later record generation (gauge header version 800) carry
// trailing fields after the callback, zero in every icon.
struct IconElement800 {
  IconElement icon;
  uint32_t trailing[4];
};

struct MovingImageElement {
  Element base;
  ModuleVar x_var;
  double x_min, x_max;
  ModuleVar y_var;
  double y_min, y_max;
  ValueCallback x_value;
  ValueCallback y_value;
};

struct SpriteElement {
  Element base;
  ModuleVar x_var;
  double x_scale;
  ModuleVar y_var;
  double y_scale;
  ModuleVar rotation_var;
  double rotation_scale;
  float texture_scale_x;
  float texture_scale_y;
  ValueCallback x_value;
  ValueCallback y_value;
  ValueCallback rotation_value;
};

// ---------------------------------------------------------------------------
// Mouse rectangles

enum MouseRectType : uint32_t {
  kMouseEndList = 0,
  kMouseParent = 1,
  kMouseChild = 2,
  kMouseEndParent = 3,
};

struct MousePoint {
  int32_t x, y;  // from the top-left corner of the child's box
};

using MouseHandler = int32_t (*)(MousePoint point, uint32_t mouse_flags);

struct MouseRect {
  uint32_t type;
  int32_t x, y;
  uint32_t width, height;
  int32_t cursor;        // -1 on parents and end entries
  uint32_t help_id;      // parents only
  uint32_t mouse_flags;  // children only
  uint32_t key_event;    // event children
  MouseHandler handler;  // handler children
  uint32_t handler_data;
};

// ---------------------------------------------------------------------------
// Gauge header and module linkage

using GaugeRoutine = void (*)();
using GaugeRoutineArg = void (*)(uint32_t arg);
using GaugeCallback = void (*)(GaugeHeader* gauge, uint32_t service_id, uint32_t arg);

struct GaugeHeader {
  uint32_t version;  // 800 or 700; also fixes the element record generation
  const char* name;
  Element** elements;  // the base element, then null
  GaugeRoutine routine1;
  GaugeRoutineArg routine2;
  GaugeRoutine routine3;
  GaugeRoutine routine4;
  GaugeRoutineArg routine5;
  GaugeRoutine routine6;
  GaugeRoutine routine7;
  uint32_t default_width_mm;
  const MouseRect* mouse;
  GaugeCallback callback;  // or null
  void* host_data;         // host's
  uint32_t host_flags;     // host's
};

// The module's description of itself. The gauge list is part of the
// record: the header fields are followed directly by N gauge references and
// a null entry, whatever N the module has.
template <size_t N>
struct LinkageRecord {
  uint32_t module_id;
  void (*start)();
  void (*end)();
  uint32_t status;
  uint32_t reserved;
  uint32_t module_version;
  GaugeHeader* gauges[N + 1];
};

inline constexpr uint32_t kModuleId = 0x13;

// Where the gauge list starts, for readers that do not know N.
inline constexpr size_t kLinkageGaugesOffset = offsetof(LinkageRecord<1>, gauges);
