// The scriptable test bench: one JSON object per line in, one per line out.
//
//   {"load": PATH}                                   → {"ok": true, "gauges": [names]}
//   {"reset": true}                                  reloads every module afresh
//   {"set": {"var": ID, "value": N, "form": F}}      F: "double", "u32", "u16"
//   {"update": GAUGE}                                one host update → element states
//   {"click": {"gauge": G, "x": X, "y": Y}}          a click through the mouse rectangles
//   {"gauge_callback": {"gauge": G, "service": N, "arg": N}}
//   {"routine": {"gauge": G, "n": 1..7, "arg": N}}
//
// An error answers {"ok": false, "error": ...} and the console goes on.
#pragma once

#include <iosfwd>

namespace vantor {

// Reads commands until end of input; returns the process exit code.
int RunConsole(std::istream& in, std::ostream& out);

}  // namespace vantor
