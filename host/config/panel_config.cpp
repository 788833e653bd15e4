#include "config/panel_config.h"

#include <ini.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>


namespace vantor {

namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

// inih reads a line into a fixed buffer of 200 bytes and carries the rest of
// a longer line over as if it were a line of its own, so such lines are
// refused before inih sees them.
constexpr size_t kMaxLine = 198;

// One "key = value" line as inih reports it, with the line it stands on.
struct Entry {
  std::string section, key, value;
  int line = 0;
};

// A [section] header and the line it stands on.
struct Section {
  std::string name;
  int line = 0;
};

// The light pass: where each section header and each key stands. It follows
// inih's reading of a line (comments, the BOM, continuation lines that start
// with blanks after a key), so that its keys pair one to one with the
// entries inih hands over, in the same order.
void LocateLines(const std::string& path, std::vector<Section>& sections, std::vector<Entry>& keys) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ConfigError(path, 0, "cannot open the file");
  std::string text, section, previous_key;
  for (int number = 1; std::getline(in, text); ++number) {
    if (text.size() > kMaxLine)
      throw ConfigError(path, number, "line too long (at most " + std::to_string(kMaxLine) + " characters)");
    std::string_view line = text;
    if (number == 1 && line.substr(0, 3) == "\xEF\xBB\xBF") line.remove_prefix(3);
    std::string_view start = Trim(line);
    if (start.empty() || start.front() == ';' || start.front() == '#') continue;
    bool indented = start.data() > line.data();
    if (indented && !previous_key.empty()) {
      keys.push_back({section, previous_key, "", number});
    } else if (start.front() == '[') {
      size_t close = start.find(']');
      if (close == std::string_view::npos) continue;  // inih reports it
      section = std::string(Trim(start.substr(1, close - 1)));
      sections.push_back({section, number});
      previous_key.clear();
    } else {
      size_t separator = start.find_first_of("=:");
      if (separator == std::string_view::npos) continue;  // inih reports it
      previous_key = std::string(Trim(start.substr(0, separator)));
      keys.push_back({section, previous_key, "", number});
    }
  }
}

int CollectEntry(void* user, const char* section, const char* name, const char* value) {
  static_cast<std::vector<Entry>*>(user)->push_back({std::string(Trim(section)), name, value, 0});
  return 1;
}

std::vector<Entry> ReadEntries(const std::string& path, std::vector<Section>& sections) {
  std::vector<Entry> located;
  LocateLines(path, sections, located);
  std::vector<Entry> entries;
  int result = ini_parse(path.c_str(), CollectEntry, &entries);
  if (result < 0) throw ConfigError(path, 0, "cannot read the file");
  if (result > 0) throw ConfigError(path, result, "syntax error: expected [Section] or key = value");
  for (size_t i = 0; i < entries.size() && i < located.size(); ++i) entries[i].line = located[i].line;
  return entries;
}

std::optional<long long> ParseInteger(std::string_view text) {
  text = Trim(text);
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  }
  long long value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

class WindowReader {
 public:
  WindowReader(const std::string& path, BackgroundCheck check, WindowConfig& window)
      : path_(path), check_(check), window_(window) {}
  int ident_line() const { return ident_line_; }

  void Read(const Entry& e) {
    std::string key = Lower(e.key);
    if (!seen_.emplace(key, e.line).second)
      Fail(e, "duplicate key " + e.key + " (first at line " + std::to_string(seen_[key]) + ")");
    if (key == "ident") ReadIdent(e);
    else if (key == "size_mm") ReadSize(e);
    else if (key == "file") ReadBackground(e);
    else if (key == "visible") ReadVisible(e);
    else if (key.rfind("gauge", 0) == 0 && key.size() > 5 &&
             std::all_of(key.begin() + 5, key.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
      ReadGauge(e, std::stoi(key.substr(5, 9)));
    else Fail(e, "unknown key " + e.key + " in [" + window_.section + "]");
  }

  // Missing keys are reported at the section header.
  void Finish() {
    for (const char* required : {"ident", "size_mm", "file"})
      if (seen_.count(required) == 0)
        throw ConfigError(path_, window_.line, "[" + window_.section + "] has no " + required);
    std::sort(numbered_.begin(), numbered_.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& [number, gauge] : numbered_) window_.gauges.push_back(gauge);
  }

 private:
  [[noreturn]] void Fail(const Entry& e, const std::string& message) { throw ConfigError(path_, e.line, message); }

  int Number(const Entry& e, std::string_view text, const std::string& what) {
    auto value = ParseInteger(text);
    if (!value || *value < INT32_MIN || *value > INT32_MAX)
      Fail(e, "bad number '" + std::string(Trim(text)) + "' for the " + what);
    return static_cast<int>(*value);
  }
  int Positive(const Entry& e, std::string_view text, const std::string& what) {
    int value = Number(e, text, what);
    if (value <= 0) Fail(e, "the " + what + " must be greater than 0, not " + std::to_string(value));
    return value;
  }

  void ReadIdent(const Entry& e) {
    auto value = ParseInteger(e.value);
    if (!value || *value < 0 || *value > UINT32_MAX)
      Fail(e, "bad number '" + std::string(Trim(e.value)) + "' for the window id");
    window_.id = static_cast<uint32_t>(*value);
    ident_line_ = e.line;
  }

  void ReadSize(const Entry& e) {
    std::string_view v = e.value;
    size_t comma = v.find(',');
    if (comma == std::string_view::npos) Fail(e, "size_mm: expected width, height");
    window_.width = Positive(e, v.substr(0, comma), "window width");
    window_.height = Positive(e, v.substr(comma + 1), "window height");
  }

  void ReadBackground(const Entry& e) {
    std::string name(Trim(e.value));
    if (name.empty()) Fail(e, "file: no picture named");
    std::filesystem::path picture(name);
    if (picture.is_relative()) picture = std::filesystem::path(path_).parent_path() / picture;
    if (check_ == BackgroundCheck::Require && !std::filesystem::is_regular_file(picture))
      Fail(e, "background picture " + name + " not found (looked for " + picture.string() + ")");
    window_.background = picture.string();
  }

  void ReadVisible(const Entry& e) {
    std::string_view v = Trim(e.value);
    if (v != "0" && v != "1") Fail(e, "visible must be 0 or 1, not '" + std::string(v) + "'");
    window_.visible = v == "1";
  }

  void ReadGauge(const Entry& e, int number) {
    for (const auto& [other, placed] : numbered_)
      if (other == number) Fail(e, e.key + " repeats the number of the gauge line at line " + std::to_string(placed.line));
    std::vector<std::string_view> fields;
    std::string_view rest = e.value;
    for (size_t comma; (comma = rest.find(',')) != std::string_view::npos; rest.remove_prefix(comma + 1))
      fields.push_back(Trim(rest.substr(0, comma)));
    fields.push_back(Trim(rest));
    if (fields.size() < 3 || fields.size() > 5)
      Fail(e, e.key + ": expected Module!Gauge, x, y[, width[, height]]");
    GaugePlacement g;
    size_t bang = fields[0].find('!');
    if (bang == std::string_view::npos || bang == 0 || bang + 1 == fields[0].size())
      Fail(e, e.key + ": expected Module!Gauge, not '" + std::string(fields[0]) + "'");
    g.module = std::string(Trim(fields[0].substr(0, bang)));
    g.gauge = std::string(Trim(fields[0].substr(bang + 1)));
    g.x = Number(e, fields[1], "x position");
    g.y = Number(e, fields[2], "y position");
    if (fields.size() > 3) g.width = Positive(e, fields[3], "gauge width");
    if (fields.size() > 4) g.height = Positive(e, fields[4], "gauge height");
    g.line = e.line;
    numbered_.emplace_back(number, g);
  }

  const std::string& path_;
  BackgroundCheck check_;
  WindowConfig& window_;
  std::map<std::string, int> seen_;  // lower-case key → line
  std::vector<std::pair<int, GaugePlacement>> numbered_;
  int ident_line_ = 0;
};

bool IsWindowSection(std::string_view name) {
  return name.size() > 6 && Lower(name.substr(0, 6)) == "window" &&
         std::all_of(name.begin() + 6, name.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

int WindowNumber(std::string_view name) { return std::stoi(std::string(name.substr(6, 9))); }

}  // namespace

const WindowConfig* PanelConfig::Window(uint32_t id) const {
  for (const WindowConfig& w : windows)
    if (w.id == id) return &w;
  return nullptr;
}

PanelConfig LoadPanelConfig(const std::string& path, BackgroundCheck check) {
  std::vector<Section> sections;
  std::vector<Entry> entries = ReadEntries(path, sections);

  PanelConfig config;
  config.path = path;
  std::map<std::string, int> section_lines;  // lower-case name → line
  std::map<int, size_t> window_by_number;    // WindowNN → index
  for (const Section& s : sections) {
    std::string key = Lower(s.name);
    if (!section_lines.emplace(key, s.line).second)
      throw ConfigError(path, s.line, "duplicate section [" + s.name + "] (first at line " +
                                          std::to_string(section_lines[key]) + ")");
    if (key == "window titles") continue;
    if (!IsWindowSection(s.name))
      throw ConfigError(path, s.line, "unknown section [" + s.name + "]: expected [Window Titles] or [WindowNN]");
    int number = WindowNumber(s.name);
    if (window_by_number.count(number) != 0)
      throw ConfigError(path, s.line, "[" + s.name + "] repeats the number of another window section");
    window_by_number[number] = config.windows.size();
    WindowConfig window;
    window.section = s.name;
    window.line = s.line;
    config.windows.push_back(window);
  }
  if (config.windows.empty()) throw ConfigError(path, 0, "no [WindowNN] section: the panel has no windows");

  std::vector<WindowReader> readers;
  readers.reserve(config.windows.size());
  for (WindowConfig& w : config.windows) readers.emplace_back(path, check, w);

  std::map<std::string, int> title_lines;
  for (const Entry& e : entries) {
    if (e.section.empty()) throw ConfigError(path, e.line, "key " + e.key + " stands before any [section]");
    if (Lower(e.section) == "window titles") {
      if (!IsWindowSection(e.key) || window_by_number.count(WindowNumber(e.key)) == 0)
        throw ConfigError(path, e.line, "title for " + e.key + ", which has no [WindowNN] section");
      if (!title_lines.emplace(Lower(e.key), e.line).second)
        throw ConfigError(path, e.line, "duplicate title for " + e.key);
      config.windows[window_by_number[WindowNumber(e.key)]].title = std::string(Trim(e.value));
      continue;
    }
    readers[window_by_number[WindowNumber(e.section)]].Read(e);
  }

  std::map<uint32_t, const WindowConfig*> by_id;
  for (size_t i = 0; i < config.windows.size(); ++i) {
    WindowConfig& w = config.windows[i];
    readers[i].Finish();
    if (title_lines.count(Lower(w.section)) == 0)
      throw ConfigError(path, w.line, "[" + w.section + "] has no title in [Window Titles]");
    auto [it, fresh] = by_id.emplace(w.id, &w);
    if (!fresh)
      throw ConfigError(path, readers[i].ident_line(), "window id " + std::to_string(w.id) + " is already used by [" +
                                                          it->second->section + "]");
  }
  std::sort(config.windows.begin(), config.windows.end(),
            [](const WindowConfig& a, const WindowConfig& b) { return WindowNumber(a.section) < WindowNumber(b.section); });
  return config;
}

std::set<std::string> ModulesUsed(const PanelConfig& config) {
  std::set<std::string> names;
  for (const WindowConfig& w : config.windows)
    for (const GaugePlacement& g : w.gauges) names.insert(g.module);
  return names;
}

PixelSize PlacedSize(const GaugePlacement& placement, uint32_t default_width, int base_width, int base_height) {
  PixelSize size{placement.width, placement.height};
  if (size.width == 0) size.width = static_cast<int>(std::min<uint32_t>(default_width, INT32_MAX));
  if (size.height == 0 && base_width > 0)
    size.height = static_cast<int>(static_cast<long long>(size.width) * base_height / base_width);
  return size;
}

}  // namespace vantor
