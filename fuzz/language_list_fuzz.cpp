// The language list fed arbitrary message file bytes: the entry that one
// file gives, and the scan of a folder holding that file beside a good one.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "context/language_code.h"
#include "context/language_list.h"
#include "context/message_file.h"

namespace {

const std::string& WorkDir() {
  static const std::string dir = [] {
    std::string base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string pattern = base + "/prefig-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data())) abort();
    if (mkdir((pattern + "/msg").c_str(), 0700) != 0) abort();
    std::string good = prefig::BuildMessageFile({{318, "Good"}, {319, "en-US"}, {711, "***"}});
    FILE* f = fopen((pattern + "/msg/msg_zz.bin").c_str(), "wb");
    if (!f) abort();
    fwrite(good.data(), 1, good.size(), f);
    fclose(f);
    return pattern;
  }();
  return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  prefig::LanguageEntry entry;
  bool listed = prefig::LanguageOfMessageFile(bytes, entry);
  if (listed && (entry.name.size() > prefig::kLanguageNameMax || !prefig::IsUsableLanguageCode(entry.code))) abort();

  FILE* f = fopen((WorkDir() + "/msg/msg_aa.bin").c_str(), "wb");
  if (!f) abort();
  fwrite(data, 1, size, f);
  fclose(f);
  auto languages = prefig::ListLanguages(WorkDir());
  // The fuzzed file sorts first; the good one must be there whatever it held.
  if (languages.size() != (listed ? 2u : 1u) || languages.back().code != "en-US") abort();
  return 0;
}
