// The message file reader fed arbitrary bytes: it must refuse what is not a
// whole message file without reading outside the buffer, and whatever it
// accepts must survive the trip through the source text and the writer.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "context/message_file.h"
#include "context/message_source.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  prefig::MessageCatalog catalog;
  if (!catalog.Parse(bytes)) return 0;
  for (uint32_t id = 0; id < catalog.Count(); ++id) (void)std::string_view(catalog.Text(id)).size();

  const prefig::MessageTexts texts = catalog.Texts();
  std::string error;
  auto parsed = prefig::ParseMessageSource(prefig::FormatMessageSource(texts), &error);
  // Ids at or above the limit of the sources cannot be written as a source.
  if (!texts.empty() && texts.rbegin()->first >= static_cast<uint32_t>(prefig::kMessageIdLimit)) return 0;
  if (!parsed || *parsed != texts) {
    std::fprintf(stderr, "source round trip failed: %s\n", error.c_str());
    std::abort();
  }
  prefig::MessageCatalog rebuilt;
  if (!rebuilt.Parse(prefig::BuildMessageFile(texts)) || rebuilt.Texts() != texts) {
    std::fprintf(stderr, "writer round trip failed\n");
    std::abort();
  }
  return 0;
}
