// The translation file reader fed arbitrary bytes, once as a packed file
// and once as the XML inside one: nothing may crash or grow without bound.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "plugins/localization/translation_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  prefig::localization::Translation translation;
  std::string xml;
  if (prefig::localization::UnpackTranslation(bytes, xml, nullptr)) {
    if (xml.size() > prefig::localization::kMaxTranslationXmlBytes) abort();
    prefig::localization::ParseTranslation(xml, translation, nullptr);
  }
  if (prefig::localization::ParseTranslation(bytes, translation, nullptr)) {
    for (const auto& entry : translation.entries) {
      if (entry.source.empty()) abort();
    }
  }
  return 0;
}
