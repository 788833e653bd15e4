// `vantor-panel render`: PNG pictures of the whole panel, one window or one
// gauge, at a moment of the scenario or with variables set by hand, and
// animations as numbered frames.
#pragma once

#include <string>
#include <vector>

#include "app/session.h"

namespace vantor {

struct RenderRequest {
  SessionOptions session;
  std::string output = "panel.png";
  std::optional<uint32_t> window;       // one window
  std::string gauge;                    // one gauge (its first placement)
  double time = 0;                      // scenario seconds
  std::vector<std::string> assignments; // VAR=VALUE, applied after the scenario
  int frames = 0;                       // 0: one picture
  double fps = 18;
  bool night = false, lights = false;
  bool progress = true;                 // a progress bar on stderr for frames
};

// Writes the picture(s); throws with a clear message on any error.
void RunRender(const RenderRequest& request);

}  // namespace vantor
