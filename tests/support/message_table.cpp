#include "support/message_table.h"

namespace prefig::test {

// Every id without a text of its own reads "#<id>", so a test can tell
// which message a control shows.
ScopedMessages::ScopedMessages(std::initializer_list<std::pair<const int, std::string>> texts)
    : texts_(texts), table_(kMessageIdLimit, nullptr), previous_(Module().message_table) {
  texts_[kMarkerMessageId] = "***";
  for (int id = 1; id < kMessageIdLimit; ++id) {
    if (!texts_.contains(id)) texts_[id] = Placeholder(id);
  }
  for (const auto& [id, text] : texts_) table_[id] = text.c_str();
  Module().message_table = table_.data();
}

ScopedMessages::~ScopedMessages() { Module().message_table = previous_; }

}  // namespace prefig::test
