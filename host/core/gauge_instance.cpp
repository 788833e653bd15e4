#include "gauge_instance.h"

#include <cmath>
#include <cstdio>

#include "services.h"

namespace vantor {
namespace {

// Trees deeper or wider than this are taken as damaged data.
constexpr int kMaxDepth = 32;
constexpr int kMaxChildren = 64;
constexpr double kDegrees = 180.0 / M_PI;

FailureEffect EffectOf(const Element& e, const FailureSet& failures) {
  if (e.failures == nullptr) return FailureEffect::None;
  for (const FailureRecord* f = e.failures; f->key != 0; ++f) {
    if (!failures.Active(f->key)) continue;
    switch (f->action) {
      case 0: return FailureEffect::Freeze;
      case 1: return FailureEffect::Zero;
      case 2: return FailureEffect::NotDrawn;
      case 3: return FailureEffect::Covered;
      default: return FailureEffect::NotDrawn;
    }
  }
  return FailureEffect::None;
}

void Refresh(ModuleVar& var, const HostContext& c, bool zero) {
  c.vars.Refresh(var);
  if (zero && var.id != 0) var.current = 0;  // reads as 0 in every form
}

double Call(ValueCallback cb, Element* e, const ModuleVar& var) {
  return cb ? cb(e) : VarDouble(var);
}

// An integer-valued variable reads naturally in its integer form.
double PlainValue(const ModuleVar& var, const VariableStore& vars) {
  switch (vars.FormOf(var.id)) {
    case VarForm::U32: return VarU32(var);
    case VarForm::U16: return VarU16(var);
    default: return VarDouble(var);
  }
}

std::string PlainText(double v, uint32_t chars) {
  char buf[64];
  if (std::isfinite(v) && v == std::trunc(v) && std::fabs(v) < 1e15)
    std::snprintf(buf, sizeof buf, "%.0f", v);
  else
    std::snprintf(buf, sizeof buf, "%g", v);
  std::string s(buf);
  return s.size() <= chars ? s : std::string(chars, '-');
}

// Fraction of the range a moving image shows; values outside stop at the ends.
double RangeFraction(double v, double lo, double hi) {
  if (!(hi != lo) || std::isnan(v)) return 0;
  double f = (v - lo) / (hi - lo);
  return f > 1 ? 1 : (f < 0 ? 0 : f);
}

double Finite(double v) { return std::isfinite(v) ? v : 0.0; }

}  // namespace

double TableAngle(const NeedleElement& n, double value) {
  const NonlinearityEntry* t = n.table;
  const uint32_t count = n.table_entries;
  auto raw = [&](uint32_t i) {
    return std::atan2(double(t[i].point.y) - n.base.position.y, double(t[i].point.x) - n.base.position.x) *
           kDegrees;
  };
  if (count == 0 || t == nullptr) return Finite(value);
  if (std::isnan(value)) value = t[0].value;
  std::vector<double> angle(count);
  angle[0] = raw(0);
  for (uint32_t i = 1; i < count; ++i) angle[i] = angle[i - 1] + std::remainder(raw(i) - raw(i - 1), 360.0);
  const bool ascending = t[count - 1].value >= t[0].value;
  auto before = [&](double a, double b) { return ascending ? a <= b : a >= b; };
  if (before(value, t[0].value)) return angle[0];
  for (uint32_t i = 1; i < count; ++i) {
    if (before(value, t[i].value)) {
      const double span = t[i].value - t[i - 1].value;
      const double f = span == 0 ? 1.0 : (value - t[i - 1].value) / span;
      return angle[i - 1] + (angle[i] - angle[i - 1]) * f;
    }
  }
  return angle[count - 1];
}

int IconFrame(double value, uint32_t frames) {
  if (std::isnan(value) || value < 0 || frames == 0) return -1;
  if (value >= frames) return static_cast<int>(frames) - 1;
  return static_cast<int>(value);
}

GaugeInstance::GaugeInstance(LoadedModule& module, GaugeHeader* header, ServiceSink* sink)
    : module_(module), header_(header), sink_(sink) {
  static uint32_t serial = 0;
  if (header->elements && header->elements[0]) Collect(header->elements[0], {}, -1, 0);
  if (!states_.empty()) {
    if (const Image* base = module.Bitmap(states_[0].element->bitmap_id)) {
      width_ = base->width;
      height_ = base->height;
    }
  }
  ActiveSink active(sink_);
  if (header->routine1) header->routine1();
  if (header->routine2) header->routine2(++serial);
  if (header->callback) header->callback(header, 2, 0);
}

GaugeInstance::~GaugeInstance() {
  ActiveSink active(sink_);
  if (header_->routine7) header_->routine7();
}

void GaugeInstance::Collect(Element* element, std::vector<int> path, int parent, int depth) {
  if (element == nullptr || depth > kMaxDepth) return;
  const int index = static_cast<int>(states_.size());
  ElementState s;
  s.element = element;
  s.path = path;
  s.parent = parent;
  states_.push_back(std::move(s));
  if (element->children == nullptr) return;
  for (int i = 0; i < kMaxChildren && element->children[i]; ++i) {
    std::vector<int> child = path;
    child.push_back(i);
    Collect(element->children[i], child, index, depth + 1);
  }
}

bool GaugeInstance::changed() const {
  for (const ElementState& s : states_)
    if (s.changed) return true;
  return false;
}

void GaugeInstance::Update(const HostContext& context) {
  ActiveSink active(context.sink ? context.sink : sink_);
  if (header_->routine3) header_->routine3();
  if (header_->callback) header_->callback(header_, 6, 0);
  for (ElementState& s : states_) UpdateElement(s, context);
  first_update_ = false;
}

void GaugeInstance::UpdateElement(ElementState& s, const HostContext& c) {
  Element* e = s.element;
  const ElementState before = s;
  s.failure = EffectOf(*e, c.failures);
  if (s.failure == FailureEffect::Freeze && !first_update_) {
    s.hidden = (e->draw_flags & kHidden) != 0;
    s.changed = s.hidden != before.hidden || before.failure != s.failure;
    return;
  }
  const bool zero = s.failure == FailureEffect::Zero;

  switch (e->kind) {
    case kNeedle: {
      auto* n = reinterpret_cast<NeedleElement*>(e);
      Refresh(n->var, c, zero);
      s.value = Call(n->value, e, n->var);
      const double target = n->table ? TableAngle(*n, s.value) : Finite(s.value);
      const double step = n->max_degrees_per_update;
      if (first_update_ || step == 0 || std::fabs(target - s.angle) <= step)
        s.angle = target;
      else
        s.angle += target > s.angle ? step : -step;
      break;
    }
    case kString: {
      auto* str = reinterpret_cast<StringElement*>(e);
      for (ModuleVar& v : str->vars) Refresh(v, c, zero);
      str->text = module_.TextBuffer(str);
      if (str->value) {
        s.value = str->value(e);
        s.text.assign(str->text, strnlen(str->text, str->chars));
      } else {
        s.value = PlainValue(str->vars[0], c.vars);
        s.text = PlainText(s.value, str->chars);
      }
      break;
    }
    case kSlider: {
      auto* sl = reinterpret_cast<SliderElement*>(e);
      Refresh(sl->x_var, c, zero);
      Refresh(sl->y_var, c, zero);
      s.x_value = Call(sl->x_value, e, sl->x_var);
      s.y_value = Call(sl->y_value, e, sl->y_var);
      s.offset_x = Finite(s.x_value * sl->x_scale);
      s.offset_y = Finite(s.y_value * sl->y_scale);
      break;
    }
    case kIcon: {
      auto* icon = reinterpret_cast<IconElement*>(e);
      Refresh(icon->var, c, zero);
      s.value = icon->value ? icon->value(e) : PlainValue(icon->var, c.vars);
      s.frame = IconFrame(s.value, icon->frames);
      break;
    }
    case kMovingImage: {
      auto* m = reinterpret_cast<MovingImageElement*>(e);
      Refresh(m->x_var, c, zero);
      Refresh(m->y_var, c, zero);
      s.x_value = Call(m->x_value, e, m->x_var);
      s.y_value = Call(m->y_value, e, m->y_var);
      const Image* picture = module_.Bitmap(e->bitmap_id);
      const Image* window = module_.Bitmap(e->bitmap_id + 1);
      if (picture && window) {
        s.offset_x = -RangeFraction(s.x_value, m->x_min, m->x_max) * (picture->width - window->width);
        s.offset_y = -RangeFraction(s.y_value, m->y_min, m->y_max) * (picture->height - window->height);
      }
      break;
    }
    case kSprite: {
      auto* sp = reinterpret_cast<SpriteElement*>(e);
      Refresh(sp->x_var, c, zero);
      Refresh(sp->y_var, c, zero);
      Refresh(sp->rotation_var, c, zero);
      s.x_value = Call(sp->x_value, e, sp->x_var);
      s.y_value = Call(sp->y_value, e, sp->y_var);
      s.rotation_value = Call(sp->rotation_value, e, sp->rotation_var);
      s.offset_x = Finite(s.x_value * sp->x_scale);
      s.offset_y = Finite(s.y_value * sp->y_scale);
      s.rotation = Finite(s.rotation_value * sp->rotation_scale);
      break;
    }
    default: break;  // static images only show their picture
  }
  // Value callbacks may have set or cleared the flag on their own element.
  s.hidden = (e->draw_flags & kHidden) != 0;
  s.changed = first_update_ || s.hidden != before.hidden || s.failure != before.failure ||
              s.text != before.text || s.frame != before.frame || s.angle != before.angle ||
              s.offset_x != before.offset_x || s.offset_y != before.offset_y || s.rotation != before.rotation;
}

}  // namespace vantor
