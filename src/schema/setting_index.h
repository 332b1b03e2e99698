#pragma once
#include <cstdint>
#include <vector>

namespace prefig {

struct Setting;

// A number per declaration, found by its address: an open-addressing table
// (loading asks it once or twice for every setting of every file).
class SettingIndex {
 public:
  void Add(const Setting* s, int number) {
    entries_.push_back({s, number});
    if (entries_.size() * 2 > slots_.size())
      Rehash(slots_.empty() ? 64 : slots_.size() * 2);
    else
      Place(entries_.size() - 1);
  }
  // -1 when the declaration has no number here.
  int Find(const Setting* s) const {
    if (slots_.empty()) return -1;
    size_t mask = slots_.size() - 1;
    for (size_t slot = Hash(s) & mask; slots_[slot] != 0; slot = (slot + 1) & mask) {
      const Entry& e = entries_[slots_[slot] - 1];
      if (e.setting == s) return e.number;
    }
    return -1;
  }

 private:
  struct Entry {
    const Setting* setting;
    int number;
  };
  static size_t Hash(const Setting* s) {
    return static_cast<size_t>((reinterpret_cast<uintptr_t>(s) >> 3) * 0x9E3779B97F4A7C15ull >> 20);
  }
  void Place(size_t entry) {
    size_t mask = slots_.size() - 1;
    size_t slot = Hash(entries_[entry].setting) & mask;
    while (slots_[slot] != 0) slot = (slot + 1) & mask;
    slots_[slot] = static_cast<uint32_t>(entry) + 1;
  }
  void Rehash(size_t size) {
    slots_.assign(size, 0);
    for (size_t entry = 0; entry < entries_.size(); ++entry) Place(entry);
  }

  std::vector<Entry> entries_;
  std::vector<uint32_t> slots_;  // entry + 1, 0 = empty
};

}  // namespace prefig
