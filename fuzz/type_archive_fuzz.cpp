// A machine type archive of any content: reading must not crash, and every
// member it gives must have a name that stays below its folder and a size
// within the limit.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "record/type_archive.h"
#include "work_dir.h"

using prefig::fuzz::WorkDir;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string file = WorkDir() + "/type.zip";
  prefig::fuzz::WriteText(file, std::string_view(reinterpret_cast<const char*>(data), size));
  std::string error;
  auto members = prefig::ReadTypeArchive(file, error);
  if (!members) return 0;
  if (members->size() > prefig::kArchiveMembersMax) abort();
  for (const prefig::ArchiveMember& member : *members) {
    if (prefig::WhyUnsafeMemberName(member.name) || member.data.size() > prefig::kArchiveMemberMax) abort();
  }
  return 0;
}
