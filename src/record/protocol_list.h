#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace prefig {

class GIniFile;

struct Protocol {
  std::string library;      // path, at most 1023 characters
  std::string description;  // at most 127
  std::string name;         // at most 31
  int time = 0;             // time stamp of the library file
  int version = 0;
  int index = 0;  // the library's place among the files found
};

// The DNC protocol plug-ins in the Protocols folder beside the program, at
// most 32, mirrored in the main INI file (section PROTOCOLS) so that an
// unchanged folder is not loaded again on every start.
class GProtocolList {
 public:
  static constexpr int kMax = 32;
  static constexpr int kNoProtocols = 250;

  // Returns the number of protocols, or kNoProtocols when the folder holds
  // no plug-in. Unless `rescan`, the stored list is used when its COUNT,
  // time stamps and paths match the files found; otherwise every library
  // is loaded and asked for its ProtocolInfo, and the section is rebuilt.
  int Load(GIniFile& main, const std::string& protocols_directory, bool rescan = false);

  const std::vector<Protocol>& Protocols() const { return protocols_; }
  // Whether the last Load loaded the libraries (false: the stored list was used).
  bool Rescanned() const { return rescanned_; }

 private:
  bool ReuseStored(GIniFile& main, const std::vector<std::string>& files);
  void Rebuild(GIniFile& main, const std::vector<std::string>& files);

  std::vector<Protocol> protocols_;
  bool rescanned_ = false;
};

// The file's modification time in nanoseconds, its two 32-bit halves
// combined by exclusive or, top bit cleared; 0 when there is no file.
int LibraryTimeStamp(const std::string& path);

}  // namespace prefig
