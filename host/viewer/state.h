// What the page is told about the panel, as JSON, and the checks on what
// it may ask for. Everything here runs on the simulation thread.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>

#include "model/catalogue.h"
#include "panel/panel.h"

namespace vantor::viewer {

// Window pixels per millimetre of gauge: the median over the window's
// gauges of placed width over default width, so half the gauges show at
// least their default width in true-size mode and half at most. 1 for a
// window without gauges.
double PixelsPerMillimetre(const PanelWindow& window);

// The whole picture for a page that starts: windows, variables with their
// live values, failure keys, lighting and the scenario.
nlohmann::json StateJson(Panel& panel, double dpi);
// Which windows are open.
nlohmann::json LayoutJson(const Panel& panel);
// What moves while the panel runs: scenario clock, lighting, every
// catalogued variable's value, the failures in force.
nlohmann::json LiveJson(Panel& panel);
// The window's mouse areas in window pixels with cursor, help text and
// the mouse actions each child takes.
nlohmann::json HitMapJson(const Panel& panel, uint32_t window_id);

// The values a person may give a variable: the catalogue's range widened
// by its own width on each side, so a dial can be tried past its ends
// without numbers that mean nothing to any gauge.
struct Range {
  double low, high;
};
Range SettableRange(const VariableInfo& variable);

// Failure keys that the power model sets and clears by itself.
bool SetByPower(Panel& panel, uint32_t key);

}  // namespace vantor::viewer
