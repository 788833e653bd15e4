#include "scenario/scenario.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>

namespace vantor {

namespace {

std::vector<std::string> Words(const std::string& line) {
  std::string text = line.substr(0, line.find('#'));
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

// A decimal number, or a hexadecimal one for BCD frequencies and codes.
std::optional<double> ParseNumber(std::string_view text) {
  const char* end = text.data() + text.size();
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    uint32_t bits = 0;
    auto [stop, error] = std::from_chars(text.data() + 2, end, bits, 16);
    if (error != std::errc() || stop != end) return std::nullopt;
    return bits;
  }
  double value = 0;
  auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<uint32_t> ParseId(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  }
  uint32_t id = 0;
  auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), id, base);
  if (text.empty() || error != std::errc() || stop != text.data() + text.size()) return std::nullopt;
  return id;
}

class ScenarioReader {
 public:
  ScenarioReader(const std::string& path, const NameResolver& resolve) : path_(path), resolve_(resolve) {}

  std::vector<Track> Read() {
    std::ifstream in(path_);
    if (!in) throw ConfigError(path_, 0, "cannot open the file");
    std::string text;
    for (line_ = 1; std::getline(in, text); ++line_) {
      std::vector<std::string> words = Words(text);
      if (words.empty()) continue;
      if (words[0] == "track") StartTrack(words);
      else if (std::isdigit(static_cast<unsigned char>(words[0][0])) || std::strchr("+-.", words[0][0])) AddKey(words);
      else Fail("unknown keyword '" + words[0] + "' (expected track, or a time and a value)");
    }
    line_ = 0;
    CloseTrack();
    if (tracks_.empty()) Fail("no track in the file");
    return std::move(tracks_);
  }

 private:
  [[noreturn]] void Fail(const std::string& message) const { throw ConfigError(path_, line_, message); }

  double Number(const std::string& word, const char* what) const {
    auto value = ParseNumber(word);
    if (!value) Fail("bad number '" + word + "' for the " + what);
    return *value;
  }

  void StartTrack(const std::vector<std::string>& words) {
    CloseTrack();
    if (words.size() != 3) Fail("expected: track VARIABLE linear|step|angle");
    Track track;
    track.variable = words[1];
    track.line = line_;
    auto id = ParseId(words[1]);
    if (!id && resolve_) id = resolve_(words[1]);
    if (!id) Fail("unknown variable " + words[1]);
    track.id = *id;
    if (words[2] == "linear") track.interpolation = Interpolation::Linear;
    else if (words[2] == "step") track.interpolation = Interpolation::Step;
    else if (words[2] == "angle") track.interpolation = Interpolation::Angle;
    else Fail("unknown interpolation '" + words[2] + "' (expected linear, step or angle)");
    if (auto [first, fresh] = first_line_.emplace(track.id, line_); !fresh)
      Fail("second track for " + words[1] + " (the first is at line " + std::to_string(first->second) + ")");
    open_ = track;
  }

  void AddKey(const std::vector<std::string>& words) {
    if (!open_) Fail("a key before any track");
    if (words.size() != 2) Fail("expected: time value");
    double time = Number(words[0], "time");
    double value = Number(words[1], "value");
    if (time < 0) Fail("time " + words[0] + " is before the start");
    const auto& keys = open_->keys;
    if (!keys.empty() && time < keys.back().time)
      Fail("time " + words[0] + " comes before the previous key's (times must increase)");
    if (keys.size() >= 2 && time == keys.back().time && time == keys[keys.size() - 2].time)
      Fail("time " + words[0] + " is written a third time (twice makes a jump)");
    open_->keys.push_back({time, value});
  }

  // An empty track is reported at its own line.
  void CloseTrack() {
    if (!open_) return;
    if (open_->keys.empty()) throw ConfigError(path_, open_->line, "track " + open_->variable + " has no keys");
    tracks_.push_back(std::move(*open_));
    open_.reset();
  }

  const std::string& path_;
  const NameResolver& resolve_;
  int line_ = 0;
  std::optional<Track> open_;
  std::vector<Track> tracks_;
  std::map<uint32_t, int> first_line_;
};

// Into 0 (included) to 360 (excluded).
double WrapDegrees(double degrees) {
  double wrapped = std::fmod(degrees, 360);
  if (wrapped < 0) wrapped += 360;
  return wrapped < 360 ? wrapped : 0;
}

}  // namespace

double Track::ValueAt(double seconds) const {
  const bool angle = interpolation == Interpolation::Angle;
  // Written so that NaN seconds land on the first key.
  if (!(seconds > keys.front().time)) return angle ? WrapDegrees(keys.front().value) : keys.front().value;
  auto next = std::upper_bound(keys.begin(), keys.end(), seconds,
                               [](double t, const TrackKey& k) { return t < k.time; });
  if (next == keys.end()) return angle ? WrapDegrees(keys.back().value) : keys.back().value;
  const TrackKey& before = *(next - 1);
  const double share = (seconds - before.time) / (next->time - before.time);
  switch (interpolation) {
    case Interpolation::Step:
      return before.value;
    case Interpolation::Angle: {
      double turn = WrapDegrees(next->value - before.value);
      if (turn > 180) turn -= 360;
      return WrapDegrees(before.value + turn * share);
    }
    case Interpolation::Linear:
      break;
  }
  return before.value + (next->value - before.value) * share;
}

Scenario::Scenario(std::string path, std::vector<Track> tracks) : path_(std::move(path)), tracks_(std::move(tracks)) {
  for (const Track& t : tracks_) duration_ = std::max(duration_, t.keys.back().time);
}

void Scenario::Apply(double seconds, VariableStore& vars) const {
  for (const Track& t : tracks_) vars.Set(t.id, t.ValueAt(seconds));
}

Scenario LoadScenario(const std::string& path, const NameResolver& resolve) {
  return Scenario(path, ScenarioReader(path, resolve).Read());
}

}  // namespace vantor
