#include "platform/command_line.h"

#include "platform/file_io.h"

namespace prefig::platform {

std::vector<std::string> CommandLine() {
  std::string bytes;
  if (ReadWholeFile("/proc/self/cmdline", bytes) != ReadStatus::kOk) return {};
  std::vector<std::string> words;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\0', start);
    if (end == std::string::npos) end = bytes.size();
    words.emplace_back(bytes, start, end - start);
    start = end + 1;
  }
  return words;
}

std::string JoinArguments(const std::vector<std::string>& command_line) {
  std::string joined;
  for (size_t i = 1; i < command_line.size(); ++i) {
    if (i > 1) joined.push_back(' ');
    const std::string& word = command_line[i];
    const bool quote = word.find_first_of(" \t") != std::string::npos;
    if (quote) joined.push_back('"');
    joined += word;
    if (quote) joined.push_back('"');
  }
  return joined;
}

}  // namespace prefig::platform
