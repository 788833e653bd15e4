// The aircraft's switches, radios, autopilot control head and engine
// controls as the host keeps them: what each key event a gauge sends does
// to the token variables, the few things that move with time, and which
// buses are dark. Engine and flight values are not computed here: they come
// from scenarios, the person or a live simulator.
#pragma once

#include <cstdint>

#include "core/gauge_instance.h"
#include "core/variables.h"

namespace vantor {

class Avionics {
 public:
  // How long the key stays at START after the last turn to the right: the
  // panel repeats the turn while the button is held, well inside this time.
  static constexpr double kStarterHoldSeconds = 0.5;

  // The store is expected to be prepared (PrepareVariables) and to outlive
  // this object.
  explicit Avionics(VariableStore& vars);

  // Carries out one key event; false for an event this aircraft does not have.
  bool KeyEvent(uint32_t event, uint32_t value);

  // Lets simulated time pass: the key springs back from START when no longer
  // held, and a running engine burns the fuel the primer pumped in.
  void Tick(double seconds);

  // Sets failure key 20 while the main bus is dark and 21 while the avionics
  // bus is, and clears them otherwise; every other key is left alone.
  void PowerFailures(FailureSet& failures) const;

 private:
  VariableStore& vars_;
  double start_released_for_ = 0;  // seconds since the key was last turned to START
};

}  // namespace vantor
