// One gauge shown by the host: its header's element tree brought up to date
// from the token variables on each update, ready to be drawn.
//
// Lifecycle, as the host drives it:
//   creation   routine 1, routine 2 with the instance's serial number, gauge callback 2
//   each update routine 3, gauge callback 6, then every element in tree order
//   removal    routine 7
// The element-list services that the routines reach only note the call
// (the console shows them): the routines hand over the module's first
// gauge's tree whichever gauge they belong to, so the host draws each gauge
// from its own header instead.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "gauge.h"
#include "module.h"
#include "variables.h"

namespace vantor {

class ServiceSink;

// Failures the host reports, by failure key.
class FailureSet {
 public:
  void Set(uint32_t key, bool failed) {
    if (failed) keys_.insert(key);
    else keys_.erase(key);
  }
  bool Active(uint32_t key) const { return keys_.count(key) != 0; }
  const std::set<uint32_t>& keys() const { return keys_; }

 private:
  std::set<uint32_t> keys_;
};

// What a failure action does to an element while its key is reported.
enum class FailureEffect {
  None,
  Freeze,    // action 0: the element keeps showing what it showed
  Zero,      // action 1: its variables read 0
  NotDrawn,  // action 2: it disappears
  Covered,   // action 3: a dark cover lies over it
};

struct ElementState {
  Element* element = nullptr;
  std::vector<int> path;  // child indices from the top-level element
  int parent = -1;        // index into the state list

  // What the callbacks or variables gave, by role.
  double value = 0;  // needle, string, icon
  double x_value = 0, y_value = 0, rotation_value = 0;  // slider, moving image, sprite

  // What is drawn.
  std::string text;                // strings
  int frame = -1;                  // icons: -1 shows nothing
  double angle = 0;                // needles: degrees clockwise from the bitmap's own direction
  double offset_x = 0, offset_y = 0;  // slider move; picture move inside a window; sprite move
  double rotation = 0;             // sprites: degrees counter-clockwise (a card turned by a positive course)
  bool hidden = false;             // the hidden flag
  FailureEffect failure = FailureEffect::None;
  bool changed = true;             // differs from the previous update

  bool drawn() const { return !hidden && failure != FailureEffect::NotDrawn; }
};

struct HostContext {
  const VariableStore& vars;
  const FailureSet& failures;
  ServiceSink* sink = nullptr;  // active during callbacks (LookupVar, key events)
};

class GaugeInstance {
 public:
  GaugeInstance(LoadedModule& module, GaugeHeader* header, ServiceSink* sink);
  ~GaugeInstance();
  GaugeInstance(const GaugeInstance&) = delete;
  GaugeInstance& operator=(const GaugeInstance&) = delete;

  void Update(const HostContext& context);

  LoadedModule& module() const { return module_; }
  GaugeHeader* header() const { return header_; }
  const std::string name() const { return header_->name; }
  // Size of the base picture: the gauge's own pixel size.
  int width() const { return width_; }
  int height() const { return height_; }
  const std::vector<ElementState>& elements() const { return states_; }
  bool changed() const;

 private:
  void Collect(Element* element, std::vector<int> path, int parent, int depth);
  void UpdateElement(ElementState& state, const HostContext& context);

  LoadedModule& module_;
  GaugeHeader* header_;
  ServiceSink* sink_;
  std::vector<ElementState> states_;
  bool first_update_ = true;
  int width_ = 0, height_ = 0;
};

// Needle angle for a value on a calibration table: the direction from the
// needle's position to each table point, interpolated between neighbours,
// clamped at the ends. Angles are unwrapped along the table so that a
// needle sweeping more than half a turn never takes the short way back.
double TableAngle(const NeedleElement& needle, double value);

// The frame an icon shows for a callback result: whole numbers inside the
// frame count show that frame; fractions are cut toward zero; a result at
// or beyond the count shows the last frame; negative results and NaN show
// none.
int IconFrame(double value, uint32_t frames);

}  // namespace vantor
