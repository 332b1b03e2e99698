#include "plugins/localization/translation_file.h"

#include <zlib.h>

#include <pugixml.hpp>
#include <unordered_set>

#include "platform/file_io.h"

namespace prefig::localization {
namespace {

void SetError(std::string* error, std::string text) {
  if (error) *error = std::move(text);
}

}  // namespace

bool UnpackTranslation(std::string_view packed, std::string& xml, std::string* error) {
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) return SetError(error, "zlib cannot start"), false;
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
  stream.avail_in = static_cast<uInt>(packed.size());
  std::string out;
  char buffer[16384];
  int status = Z_OK;
  while (status == Z_OK) {
    stream.next_out = reinterpret_cast<Bytef*>(buffer);
    stream.avail_out = sizeof buffer;
    status = inflate(&stream, Z_NO_FLUSH);
    if (status != Z_OK && status != Z_STREAM_END) break;
    out.append(buffer, sizeof buffer - stream.avail_out);
    if (out.size() > kMaxTranslationXmlBytes) {
      inflateEnd(&stream);
      return SetError(error, "unpacks to more than 64 MiB"), false;
    }
  }
  inflateEnd(&stream);
  if (status != Z_STREAM_END) return SetError(error, "not a whole zlib stream"), false;
  if (stream.avail_in != 0) return SetError(error, "bytes after the end of the zlib stream"), false;
  xml = std::move(out);
  return true;
}

std::string PackTranslation(std::string_view xml) {
  uLongf size = compressBound(static_cast<uLong>(xml.size()));
  std::string out(size, '\0');
  compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(xml.data()),
            static_cast<uLong>(xml.size()), Z_BEST_COMPRESSION);
  out.resize(size);
  return out;
}

bool ParseTranslation(std::string_view xml, Translation& translation, std::string* error) {
  pugi::xml_document document;
  pugi::xml_parse_result parsed =
      document.load_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_utf8);
  if (!parsed) {
    return SetError(error, std::string(parsed.description()) + " at byte " + std::to_string(parsed.offset)), false;
  }
  pugi::xml_node root = document.document_element();
  if (std::string_view(root.name()) != "translation")
    return SetError(error, "the root element is not <translation>"), false;
  pugi::xml_attribute language = root.attribute("language");
  if (language.empty() || *language.value() == '\0') {
    return SetError(error, "<translation> has no language"), false;
  }
  Translation read;
  read.language = language.value();
  std::unordered_set<std::string_view> sources;
  for (pugi::xml_node text : root.children("text")) {
    pugi::xml_node source = text.child("source"), target = text.child("target");
    if (!source || !target || *source.text().get() == '\0') continue;
    if (!sources.insert(source.text().get()).second) continue;
    read.entries.push_back({source.text().get(), target.text().get()});
  }
  translation = std::move(read);
  return true;
}

bool ReadTranslationFile(const std::string& path, Translation& translation, std::string* error) {
  std::string packed, xml;
  if (platform::ReadWholeFile(path, packed) != platform::ReadStatus::kOk) {
    return SetError(error, "cannot read " + path), false;
  }
  return UnpackTranslation(packed, xml, error) && ParseTranslation(xml, translation, error);
}

}  // namespace prefig::localization
