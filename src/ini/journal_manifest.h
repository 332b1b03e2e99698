#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace prefig::journal {

// What a save did to one file.
enum class FileFate { kChanged, kCreated, kRemoved };

struct ManifestFile {
  FileFate fate = FileFate::kChanged;
  std::string path;
  // Where the old content lies in the entry's content file (nothing for a
  // created file), and its checksum.
  uint64_t offset = 0;
  uint64_t size = 0;
  uint64_t checksum = 0;
  std::vector<std::string> keys;  // SECTION/KEY that the save changed
};

// The manifest of one journal entry: who saved what, when.
struct Manifest {
  std::string time;  // UTC, 2026-01-31T12:00:00Z
  std::string program;
  std::string user;
  std::vector<ManifestFile> files;
};

// The manifest as its file holds it: plain lines, texts with their control
// characters and backslashes written as \xHH, an "end" line last so that a
// cut manifest is seen.
std::string FormatManifest(const Manifest& manifest);
// The manifest of a text, or nothing (with the reason) when the text is not
// one that FormatManifest wrote whole.
std::optional<Manifest> ParseManifest(std::string_view text, std::string* reason);

// The checksum that guards each old content (FNV-1a, 64 bits).
uint64_t ContentChecksum(std::string_view content);

}  // namespace prefig::journal
