// The language list fed arbitrary message file bytes: the entry that one
// file gives, and the scan of a folder holding that file beside a good one.
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "context/language_code.h"
#include "context/language_list.h"
#include "context/message_file.h"
#include "work_dir.h"

namespace {

// A program directory (the shared work directory) whose msg/ holds one good
// message file.
const std::string& ProgramDir() {
  static const std::string dir = [] {
    const std::string& work = prefig::fuzz::WorkDir();
    if (mkdir((work + "/msg").c_str(), 0700) != 0) abort();
    std::string good = prefig::BuildMessageFile({{318, "Good"}, {319, "en-US"}, {711, "***"}});
    FILE* f = fopen((work + "/msg/msg_zz.bin").c_str(), "wb");
    if (!f) abort();
    fwrite(good.data(), 1, good.size(), f);
    fclose(f);
    return work;
  }();
  return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  prefig::LanguageEntry entry;
  bool listed = prefig::LanguageOfMessageFile(bytes, entry);
  if (listed && (entry.name.size() > prefig::kLanguageNameMax || !prefig::IsUsableLanguageCode(entry.code))) abort();

  FILE* f = fopen((ProgramDir() + "/msg/msg_aa.bin").c_str(), "wb");
  if (!f) abort();
  fwrite(data, 1, size, f);
  fclose(f);
  auto languages = prefig::ListLanguages(ProgramDir());
  // The fuzzed file sorts first; the good one must be there whatever it held.
  if (languages.size() != (listed ? 2u : 1u) || languages.back().code != "en-US") abort();
  return 0;
}
