#include "support/test_host.h"

#include <stdexcept>

namespace vantor::test {

std::string ModulePath(const std::string& module) { return std::string(VANTOR_MODULE_DIR) + "/" + module + ".gau"; }

TestModule::TestModule(const std::string& module) : module_(LoadedModule::Load(ModulePath(module))) {}

GaugeHeader* TestModule::Gauge(const std::string& name) const {
  GaugeHeader* g = module_->gauge(name);
  if (g == nullptr) {
    ADD_FAILURE() << module_->name() << " has no gauge \"" << name << "\"";
    throw std::runtime_error("no gauge " + name);
  }
  return g;
}

Element* TestModule::ElementAt(const std::string& gauge, const std::vector<int>& path) const {
  Element* e = Gauge(gauge)->elements[0];
  for (int i : path) {
    if (e == nullptr || e->children == nullptr) {
      ADD_FAILURE() << gauge << ": no element at that path";
      throw std::runtime_error("no element");
    }
    e = e->children[i];
  }
  if (e == nullptr) {
    ADD_FAILURE() << gauge << ": no element at that path";
    throw std::runtime_error("no element");
  }
  return e;
}

double TestModule::CallValue(Element* e, const std::string& role) {
  auto refresh = [&](ModuleVar& v) { sink_.vars.Refresh(v); };
  switch (e->kind) {
    case kNeedle: {
      auto* n = reinterpret_cast<NeedleElement*>(e);
      refresh(n->var);
      return n->value ? n->value(e) : VarDouble(n->var);
    }
    case kString: {
      auto* s = reinterpret_cast<StringElement*>(e);
      for (ModuleVar& v : s->vars) refresh(v);
      s->text = module_->TextBuffer(s);
      return s->value ? s->value(e) : VarDouble(s->vars[0]);
    }
    case kIcon: {
      auto* i = reinterpret_cast<IconElement*>(e);
      refresh(i->var);
      return i->value ? i->value(e) : VarDouble(i->var);
    }
    case kSlider: {
      auto* s = reinterpret_cast<SliderElement*>(e);
      refresh(s->x_var);
      refresh(s->y_var);
      if (role == "x") return s->x_value ? s->x_value(e) : VarDouble(s->x_var);
      return s->y_value ? s->y_value(e) : VarDouble(s->y_var);
    }
    case kMovingImage: {
      auto* m = reinterpret_cast<MovingImageElement*>(e);
      refresh(m->x_var);
      refresh(m->y_var);
      if (role == "x") return m->x_value ? m->x_value(e) : VarDouble(m->x_var);
      return m->y_value ? m->y_value(e) : VarDouble(m->y_var);
    }
    case kSprite: {
      auto* s = reinterpret_cast<SpriteElement*>(e);
      refresh(s->x_var);
      refresh(s->y_var);
      refresh(s->rotation_var);
      if (role == "x") return s->x_value ? s->x_value(e) : VarDouble(s->x_var);
      if (role == "y") return s->y_value ? s->y_value(e) : VarDouble(s->y_var);
      return s->rotation_value ? s->rotation_value(e) : VarDouble(s->rotation_var);
    }
    default:
      ADD_FAILURE() << "element kind " << e->kind << " has no value";
      return 0;
  }
}

std::string TestModule::Text(StringElement* element) {
  CallValue(&element->base);
  return std::string(element->text);
}

std::unique_ptr<GaugeInstance> TestModule::NewInstance(const std::string& gauge) {
  return std::make_unique<GaugeInstance>(*module_, Gauge(gauge), &sink_);
}

void TestModule::Update(GaugeInstance& instance, const FailureSet& failures) {
  instance.Update({sink_.vars, failures, &sink_});
}

MouseMap TestModule::Mouse(const std::string& gauge) {
  GaugeHeader* g = Gauge(gauge);
  const Image* base = module_->Bitmap(g->elements[0]->bitmap_id);
  return MouseMap(g->mouse, base ? base->width : 0, base ? base->height : 0);
}

ClickOutcome TestModule::Click(const std::string& gauge, int32_t x, int32_t y, uint32_t flags) {
  return vantor::Click(Mouse(gauge), x, y, flags, sink_);
}

}  // namespace vantor::test
