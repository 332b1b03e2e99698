#include "context/message_file.h"

#include <cstring>
#include <deque>
#include <iterator>
#include <memory>
#include <utility>

#include "context/message_ids.h"
#include "platform/file_associations.h"
#include "platform/file_io.h"

namespace prefig {
namespace {

void StoreU32(std::string& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

// The catalogs that have been the module's table; never freed while the
// program runs, since the host and the module keep their pointers.
std::deque<std::unique_ptr<MessageCatalog>>& ModuleCatalogs() {
  static std::deque<std::unique_ptr<MessageCatalog>> catalogs;
  return catalogs;
}

}  // namespace

std::string MessageFileName(std::string_view language) {
  return std::string(kMessageFilePrefix).append(language).append(kMessageFileExtension);
}

std::string TranslationFileName(std::string_view language) {
  return std::string(kMessageFilePrefix).append(language).append(kTranslationFileExtension);
}

uint32_t MessageFileWord(std::string_view bytes, size_t pos) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + pos);
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

void ScrambleMessageBytes(char* data, size_t size) {
  for (size_t i = 0; i < size; ++i) data[i] = static_cast<char>(data[i] ^ kMessageScrambleKey);
}

MessageCatalog::MessageCatalog(MessageCatalog&& other) noexcept { *this = std::move(other); }

MessageCatalog& MessageCatalog::operator=(MessageCatalog&& other) noexcept {
  if (this != &other) {
    count_ = std::exchange(other.count_, 0);
    block_ = std::move(other.block_);
    entries_.swap(other.entries_);
    other.entries_.assign(kMessageIdLimit, nullptr);
  }
  return *this;
}

bool MessageCatalog::HasMarker() const {
  const char* marker = Text(kMarkerMessageId);
  return marker != nullptr && std::strcmp(marker, kMarkerMessageText) == 0;
}

MessageTexts MessageCatalog::Texts() const {
  MessageTexts texts;
  for (uint32_t id = 0; id < count_; ++id) {
    if (entries_[id][0] != '\0') texts.emplace(id, entries_[id]);
  }
  return texts;
}

bool MessageCatalog::Parse(std::string_view bytes) {
  if (bytes.size() < kMessageFileHeaderBytes) return false;
  const uint64_t count = MessageFileWord(bytes, 0);
  const uint64_t size = MessageFileWord(bytes, 4);
  // Sizes from the file are checked against the bytes at hand before
  // anything is allocated for them.
  const uint64_t block_start = kMessageFileHeaderBytes + 4 * count;
  if (count > kMessageFileMaxTexts || size > kMessageFileMaxBlockBytes || block_start + size > bytes.size())
    return false;
  if (count > 0 && size == 0) return false;

  std::vector<char> block(bytes.begin() + static_cast<std::ptrdiff_t>(block_start),
                          bytes.begin() + static_cast<std::ptrdiff_t>(block_start + size));
  ScrambleMessageBytes(block.data(), block.size());
  if (!block.empty() && block.back() != '\0') return false;  // then every offset inside it is terminated

  std::vector<const char*> entries(count > kMessageIdLimit ? count : kMessageIdLimit, nullptr);
  for (uint64_t i = 0; i < count; ++i) {
    uint32_t offset = MessageFileWord(bytes, kMessageFileHeaderBytes + 4 * i);
    if (offset >= size) return false;
    entries[i] = block.data() + offset;
  }
  count_ = static_cast<uint32_t>(count);
  block_ = std::move(block);
  entries_ = std::move(entries);
  return true;
}

std::string BuildMessageFile(const MessageTexts& texts) {
  auto end = texts.lower_bound(kMessageFileMaxTexts);
  const uint32_t count = end == texts.begin() ? 0 : std::prev(end)->first + 1;
  std::vector<uint32_t> offsets(count, 0);
  std::string block(1, '\0');
  for (auto it = texts.begin(); it != end; ++it) {
    const auto& [id, text] = *it;
    if (text.empty()) continue;
    offsets[id] = static_cast<uint32_t>(block.size());
    block.append(text.data(), strnlen(text.data(), text.size()));
    block.push_back('\0');
  }
  std::string out;
  out.reserve(kMessageFileHeaderBytes + 4 * offsets.size() + block.size());
  StoreU32(out, count);
  StoreU32(out, static_cast<uint32_t>(block.size()));
  for (uint32_t offset : offsets) StoreU32(out, offset);
  ScrambleMessageBytes(block.data(), block.size());
  out += block;
  return out;
}

uint32_t ReadMessageFile(const std::string& path, MessageCatalog* catalog) {
  std::string bytes;
  if (platform::ReadWholeFile(path, bytes) != platform::ReadStatus::kOk) return 0;
  MessageCatalog read;
  if (!read.Parse(bytes)) return 0;
  const bool usable = read.HasMarker();
  const uint32_t count = read.Count();
  if (catalog != nullptr) {
    *catalog = std::move(read);
  } else {
    auto& kept = ModuleCatalogs().emplace_back(std::make_unique<MessageCatalog>(std::move(read)));
    Module().message_table = kept->Table();
  }
  return usable ? count : 0;
}

std::string FileWord() {
  const char* word = MessageText(kFileWordMessageId);
  return word != nullptr && word[0] != '\0' ? word : std::string(platform::kFileWord);
}

}  // namespace prefig
