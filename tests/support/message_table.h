#pragma once
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "module/module_state.h"

namespace prefig::test {

// A message table for tests, with the marker entry; installed as the
// module's table for the life of the object.
class ScopedMessages {
 public:
  ScopedMessages(std::initializer_list<std::pair<const int, std::string>> texts = {});
  ~ScopedMessages();
  ScopedMessages(const ScopedMessages&) = delete;
  ScopedMessages& operator=(const ScopedMessages&) = delete;

  // The text that stands for a message id: "#<id>" unless given.
  static std::string Placeholder(int id) { return "#" + std::to_string(id); }

 private:
  std::map<int, std::string> texts_;
  std::vector<const char*> table_;
  MessageTable previous_;
};

}  // namespace prefig::test
