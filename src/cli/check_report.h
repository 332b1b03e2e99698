#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ini/stored_key_value.h"

namespace prefig::cli {

// Findings in the form compilers use, so that an editor can jump to them:
// FILE:LINE: error|warning|note: message [check-name].
class CheckReport {
 public:
  enum class Level { kError, kWarning, kNote };
  void Add(Level level, const std::string& file, int line, std::string message, const char* check);
  void Error(const std::string& file, int line, std::string message, const char* check) {
    Add(Level::kError, file, line, std::move(message), check);
  }
  void Warning(const std::string& file, int line, std::string message, const char* check) {
    Add(Level::kWarning, file, line, std::move(message), check);
  }
  int Errors() const { return errors_; }
  // Everything reported, one finding a line, in the order found.
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
  int errors_ = 0;
};

// prefig check: prints the findings of the configuration under `root` (or
// the editor's), of one type when `type` is given; the exit code.
int CheckConfiguration(const std::string& root, const std::string& type, bool fix);

// The line (from 1) on which the byte at `offset` lies.
int LineAt(std::string_view text, size_t offset);

using ini::StoredKeyValue;

// The line of SECTION/KEY as the store finds it; the section's header when
// the key is not there, else 1.
int KeyLine(std::string_view text, std::string_view section, std::string_view key);

}  // namespace prefig::cli
