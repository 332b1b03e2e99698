#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace prefig {

// Directory keys (upper case) and their path texts, in the order the keys
// were first set; setting a key again keeps its place. That order is the
// order in which ConfigPaths.cfg is written.
class PathTable {
 public:
  struct Entry {
    std::string key;
    std::string value;
  };

  void Set(std::string_view key, std::string_view value);  // the key is turned to upper case
  const std::string* Find(std::string_view key) const;     // any case
  void Clear() { entries_.clear(); }
  bool empty() const { return entries_.empty(); }
  size_t size() const { return entries_.size(); }
  std::vector<Entry>::const_iterator begin() const { return entries_.begin(); }
  std::vector<Entry>::const_iterator end() const { return entries_.end(); }
  std::vector<Entry>::iterator begin() { return entries_.begin(); }
  std::vector<Entry>::iterator end() { return entries_.end(); }

 private:
  std::vector<Entry> entries_;
};

}  // namespace prefig
