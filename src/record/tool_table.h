#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace prefig {

class DeclaredValues;
class GIniFile;
struct Setting;

// One tool as the tool lists keep it: a text of 26 fields separated by "|"
// ("%d|%d|%d|%d|%s|...|%d"). Dimensions are kept as the texts the host
// wrote them with.
struct ToolRecord {
  static constexpr int kFormat = 3;  // the first field of every record
  int number = 0;
  int type = 0;
  int unit = 0;  // 0 millimetres, 1 inches
  std::string name;
  std::string comment;
  std::string diameter;
  std::string corner_radius;
  std::string taper_angle;
  std::string flute_length;
  std::string shoulder_length;
  std::string body_length;
  std::string arbor_diameter;
  uint32_t colour = 0;
  std::string holder;
  std::string holder_diameter;
  std::string holder_length;
  std::string shoulder_diameter;
  std::string tip_angle;
  int flutes = 0;
  std::string insert_shape;
  std::string insert_size;
  std::string nose_radius;
  std::string orientation;
  std::string library_id;
  int flags = 0;
  bool operator==(const ToolRecord&) const = default;
};

// Every "|" inside a text field is written as "#", so the text always splits
// into its 26 fields again.
std::string FormatToolRecord(const ToolRecord& tool);

// A tool list: its count key and one entry key per tool (TOOLCOUNT and
// TOOL%03d, or TURNTOOLCOUNT and TURNTOOL%03d) in section INSPECT.
class ToolTable {
 public:
  ToolTable(const Setting& count, const Setting& entry) : count_(count), entry_(entry) {}
  const Setting& CountSetting() const { return count_; }

  // Entries that are not tool records are skipped. With a scan of the
  // file, its values are taken from there.
  void Load(GIniFile& ini, const DeclaredValues* scan = nullptr);
  // Writes the count and the entries; entries of a longer list read before
  // are removed.
  void Save(GIniFile& ini);

  std::vector<ToolRecord>& Tools() { return tools_; }
  const std::vector<ToolRecord>& Tools() const { return tools_; }

 private:
  const Setting& count_;
  const Setting& entry_;
  std::vector<ToolRecord> tools_;
  int stored_count_ = 0;
};

}  // namespace prefig
