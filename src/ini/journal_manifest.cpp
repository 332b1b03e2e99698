#include "ini/journal_manifest.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>

namespace prefig::journal {
namespace {

constexpr std::string_view kFirstLine = "prefig journal 1";
constexpr std::string_view kFateNames[] = {"changed", "created", "removed"};
// Far more than any configuration holds; a larger count is damage.
constexpr size_t kManifestFilesMax = 100000;

std::string Escaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (unsigned char c : text) {
    if (c < 0x20 || c == 0x7F || c == '\\') {
      char code[5];
      std::snprintf(code, sizeof code, "\\x%02X", c);
      out += code;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

int EscapeDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<std::string> Unescaped(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (i + 3 >= text.size() || text[i + 1] != 'x') return std::nullopt;
    int high = EscapeDigit(text[i + 2]), low = EscapeDigit(text[i + 3]);
    if (high < 0 || low < 0) return std::nullopt;
    out += static_cast<char>(high * 16 + low);
    i += 3;
  }
  return out;
}

// The next space-separated word of `line`, which loses it and the space.
std::string_view ManifestWord(std::string_view& line) {
  size_t space = line.find(' ');
  std::string_view word = line.substr(0, space);
  line = space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
  return word;
}

std::optional<uint64_t> ManifestNumber(std::string_view word, int base) {
  if (word.empty() || word.size() > 20) return std::nullopt;
  std::string copy(word);
  char* end = nullptr;
  unsigned long long value = std::strtoull(copy.c_str(), &end, base);
  if (end != copy.c_str() + copy.size() || copy[0] == '-' || copy[0] == '+') return std::nullopt;
  return value;
}

}  // namespace

uint64_t ContentChecksum(std::string_view content) {
  uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : content) hash = (hash ^ c) * 1099511628211ull;
  return hash;
}

std::string FormatManifest(const Manifest& manifest) {
  std::string out(kFirstLine);
  out += "\ntime " + Escaped(manifest.time) + "\nprogram " + Escaped(manifest.program) + "\nuser " +
         Escaped(manifest.user) + "\n";
  for (const ManifestFile& file : manifest.files) {
    char numbers[96];
    std::snprintf(numbers, sizeof numbers, " %" PRIu64 " %" PRIu64 " %016" PRIx64 " ", file.offset, file.size,
                  file.checksum);
    out += "file ";
    out += kFateNames[static_cast<int>(file.fate)];
    out += numbers + Escaped(file.path) + "\n";
    for (const std::string& key : file.keys) out += "key " + Escaped(key) + "\n";
  }
  out += "end\n";
  return out;
}

std::optional<Manifest> ParseManifest(std::string_view text, std::string* reason) {
  auto fail = [reason](const std::string& why, size_t line) -> std::optional<Manifest> {
    if (reason) *reason = why + " (line " + std::to_string(line) + ")";
    return std::nullopt;
  };
  Manifest manifest;
  size_t number = 0;
  bool ended = false, has_time = false;
  while (!text.empty()) {
    size_t newline = text.find('\n');
    if (newline == std::string_view::npos) return fail("a line without its end", number + 1);
    std::string_view line = text.substr(0, newline);
    text.remove_prefix(newline + 1);
    ++number;
    if (ended) return fail("text after the end", number);
    if (number == 1) {
      if (line != kFirstLine) return fail("not a journal manifest", number);
      continue;
    }
    std::string_view word = ManifestWord(line);
    if (word == "end") {
      ended = true;
      continue;
    }
    if (word == "time" || word == "program" || word == "user" || word == "key") {
      std::optional<std::string> value = Unescaped(line);
      if (!value) return fail("a bad escape", number);
      if (word == "time") {
        manifest.time = *value;
        has_time = true;
      } else if (word == "program") {
        manifest.program = *value;
      } else if (word == "user") {
        manifest.user = *value;
      } else if (manifest.files.empty()) {
        return fail("a key before any file", number);
      } else {
        manifest.files.back().keys.push_back(*value);
      }
      continue;
    }
    if (word != "file") return fail("an unknown line", number);
    if (manifest.files.size() >= kManifestFilesMax) return fail("too many files", number);
    ManifestFile file;
    std::string_view fate = ManifestWord(line);
    int found = -1;
    for (int i = 0; i < 3; ++i) {
      if (fate == kFateNames[i]) found = i;
    }
    std::optional<uint64_t> offset = ManifestNumber(ManifestWord(line), 10),
                            size = ManifestNumber(ManifestWord(line), 10),
                            checksum = ManifestNumber(ManifestWord(line), 16);
    std::optional<std::string> path = Unescaped(line);
    if (found < 0 || !offset || !size || !checksum || !path || path->empty() || path->front() != '/') {
      return fail("a bad file line", number);
    }
    file.fate = static_cast<FileFate>(found);
    file.offset = *offset;
    file.size = *size;
    file.checksum = *checksum;
    file.path = *path;
    manifest.files.push_back(std::move(file));
  }
  if (!ended) return fail("no end line", number);
  if (!has_time) return fail("no time", number);
  return manifest;
}

}  // namespace prefig::journal
