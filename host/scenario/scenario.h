// Scenarios: scripted token variables for a panel without a simulator. A
// scenario file holds one track per variable, each a list of (time, value)
// keys that the host plays back; docs/scenarios.md describes the file.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/config_error.h"
#include "core/variables.h"

namespace vantor {

// Maps a variable name to its token variable id; nullopt for a name it does
// not know. Ids written as numbers (0x84, 132) never reach it.
using NameResolver = std::function<std::optional<uint32_t>(std::string_view name)>;

enum class Interpolation {
  Linear,  // straight lines between keys: needles, quantities
  Step,    // each key holds until the next: switches, selectors, lamps
  Angle,   // the shorter way round the compass, kept in 0..360: headings, courses
};

struct TrackKey {
  double time;  // seconds from the start
  double value;
};

struct Track {
  uint32_t id = 0;
  std::string variable;  // as written in the file
  Interpolation interpolation = Interpolation::Linear;
  // At least one. Times increase; a time written twice in a row makes the
  // value jump there, the second key holding from that time on.
  std::vector<TrackKey> keys;
  int line = 0;

  // Before the first key the first value holds, after the last the last.
  double ValueAt(double seconds) const;
};

class Scenario {
 public:
  Scenario(std::string path, std::vector<Track> tracks);

  const std::string& path() const { return path_; }
  const std::vector<Track>& tracks() const { return tracks_; }
  // The time of the last key of any track.
  double duration() const { return duration_; }
  // Sets every track's variable to its value at that time.
  void Apply(double seconds, VariableStore& vars) const;

 private:
  std::string path_;
  std::vector<Track> tracks_;
  double duration_ = 0;
};

// Throws ConfigError ("file:line: message") for an unknown keyword or
// variable, a bad number, times that go back (or stand still more than
// once), an empty track, a second track for one variable or a file without
// tracks.
Scenario LoadScenario(const std::string& path, const NameResolver& resolve);

}  // namespace vantor
