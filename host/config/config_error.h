// The error of every file the host reads for a panel builder or a pilot:
// panel configurations and scenarios. what() is "file:line: message", the
// file named as it was given; a fault of the whole file has no line.
#pragma once

#include <stdexcept>
#include <string>

namespace vantor {

class ConfigError : public std::runtime_error {
 public:
  ConfigError(const std::string& file, int line, const std::string& message)
      : std::runtime_error(file + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " + message),
        file_(file),
        message_(message),
        line_(line) {}
  const std::string& file() const { return file_; }
  int line() const { return line_; }  // 0 for the whole file
  const std::string& message() const { return message_; }

 private:
  std::string file_, message_;
  int line_;
};

}  // namespace vantor
