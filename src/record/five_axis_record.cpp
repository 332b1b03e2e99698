#include "record/five_axis_record.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "ini/ini_text.h"
#include "platform/text.h"
#include "record/fixed_number.h"

namespace prefig {
namespace {

constexpr int kDecimals = 7;
constexpr size_t kFieldsWithoutReserved2 = 28;  // the tag and positions 1 to 27
constexpr char kSeparator = '$';

constexpr std::array<uint32_t, 256> MakeCrcTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t c = i;
    for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[i] = c;
  }
  return table;
}
constexpr std::array<uint32_t, 256> kCrcTable = MakeCrcTable();
constexpr uint32_t kCrcStart = 0xABADBABEu;

// Sign, digits, and an optional separator with more digits; at least one
// digit somewhere. The separator may be "." or ",".
bool ParseNumber(std::string_view field, double& out) {
  field = ini::Trim(field);
  std::string number;
  size_t i = 0;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
    if (field[i] == '-') number += '-';
    ++i;
  }
  size_t digits = 0;
  for (; i < field.size() && platform::IsDigit(field[i]); ++i, ++digits) number += field[i];
  if (i < field.size() && (field[i] == '.' || field[i] == ',')) {
    number += '.';
    for (++i; i < field.size() && platform::IsDigit(field[i]); ++i, ++digits) number += field[i];
  }
  if (digits == 0 || i != field.size()) return false;
  if (number.back() == '.') number.pop_back();
  double value = 0;
  auto result = std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::fixed);
  if (result.ec != std::errc() || !std::isfinite(value) || std::fabs(value) > kFiveAxisNumberMax) return false;
  out = value;
  return true;
}

bool ParseInteger(std::string_view field, int& out) {
  field = ini::Trim(field);
  // from_chars takes a "-" but no "+".
  if (field.size() > 1 && field.front() == '+' && platform::IsDigit(field[1])) field.remove_prefix(1);
  auto result = std::from_chars(field.data(), field.data() + field.size(), out);
  return result.ec == std::errc() && result.ptr == field.data() + field.size();
}

bool IsFlag(int value) { return value == 0 || value == 1; }
bool IsLetter(int value) { return value >= kLetterA && value <= kLetterC; }

class FieldReader {
 public:
  explicit FieldReader(const std::vector<std::string_view>& fields) : fields_(fields) {}
  void Integer(int& out) { ok_ = ok_ && ParseInteger(Next(), out); }
  void Flag(int& out) {
    Integer(out);
    ok_ = ok_ && IsFlag(out);
  }
  void Number(double& out) { ok_ = ok_ && ParseNumber(Next(), out); }
  void Vector(FiveAxisVector& out) {
    for (double& v : out) Number(v);
  }
  void Axis(FiveAxisRotary& axis, bool maximum_first) {
    Flag(axis.used);
    Flag(axis.on_table);
    Integer(axis.letter);
    ok_ = ok_ && IsLetter(axis.letter);
    Vector(axis.direction);
    Vector(axis.offset);
    Number(maximum_first ? axis.maximum : axis.minimum);
    Number(maximum_first ? axis.minimum : axis.maximum);
  }
  bool ok() const { return ok_; }
  bool AtEnd() const { return next_ == fields_.size(); }

 private:
  std::string_view Next() { return next_ < fields_.size() ? fields_[next_++] : std::string_view(); }
  const std::vector<std::string_view>& fields_;
  size_t next_ = 2;  // after the tag and the name
  bool ok_ = true;
};

void AppendInteger(std::string& out, int value) {
  char buffer[16];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out += kSeparator;
  out.append(buffer, result.ptr);
}

void AppendNumber(std::string& out, double value) {
  out += kSeparator;
  out += FixedText(value, kDecimals);
}

void AppendAxis(std::string& out, const FiveAxisRotary& axis, bool maximum_first) {
  AppendInteger(out, axis.used);
  AppendInteger(out, axis.on_table);
  AppendInteger(out, axis.letter);
  for (double v : axis.direction) AppendNumber(out, v);
  for (double v : axis.offset) AppendNumber(out, v);
  AppendNumber(out, maximum_first ? axis.maximum : axis.minimum);
  AppendNumber(out, maximum_first ? axis.minimum : axis.maximum);
}

}  // namespace

std::string FiveAxisName(std::string_view name) {
  if (name.size() <= kFiveAxisNameMax) return std::string(name);
  size_t cut = kFiveAxisNameMax;
  // Step back over the continuation bytes of a UTF-8 character that the
  // cut would split, and over its lead byte.
  while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
  return std::string(name.substr(0, cut));
}

std::optional<FiveAxisRecord> ParseFiveAxisRecord(std::string_view line) {
  if (line.size() < 2 || line[0] != '1' || line[1] != kSeparator) return std::nullopt;
  std::vector<std::string_view> fields;
  for (size_t start = 0;;) {
    size_t end = line.find(kSeparator, start);
    fields.push_back(line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
    if (fields.size() > kFieldsWithoutReserved2 + 1) return std::nullopt;
  }
  if (fields.size() != kFieldsWithoutReserved2 && fields.size() != kFieldsWithoutReserved2 + 1) return std::nullopt;

  FiveAxisRecord record;
  record.name = std::string(ini::Trim(FiveAxisName(fields[1])));
  FieldReader reader(fields);
  reader.Axis(record.axis1, true);
  reader.Axis(record.axis2, false);
  reader.Vector(record.tool);
  reader.Integer(record.reserved);
  if (!reader.AtEnd()) {
    int reserved2 = 0;
    reader.Integer(reserved2);
    record.reserved2 = reserved2;
  }
  if (!reader.ok() || FiveAxisIdentity(record) == 0) return std::nullopt;
  return record;
}

std::string FormatFiveAxisRecord(const FiveAxisRecord& record) {
  std::string out = "1";
  out += kSeparator;
  for (char c : FiveAxisName(record.name)) {
    if (c == kSeparator) c = ':';
    if (c == '\r' || c == '\n') c = ' ';
    out += c;
  }
  AppendAxis(out, record.axis1, true);
  AppendAxis(out, record.axis2, false);
  for (double v : record.tool) AppendNumber(out, v);
  AppendInteger(out, record.reserved);
  if (record.reserved2) AppendInteger(out, *record.reserved2);
  return out;
}

uint32_t FiveAxisCrc(std::string_view text) {
  uint32_t crc = kCrcStart;
  for (unsigned char c : text) crc = kCrcTable[(crc ^ c) & 0xFF] ^ (crc >> 8);
  return crc;
}

uint32_t FiveAxisIdentity(const FiveAxisRecord& record) { return FiveAxisCrc(FormatFiveAxisRecord(record)); }

const FiveAxisRecord& DefaultFiveAxisRecord() {
  static const FiveAxisRecord record = *ParseFiveAxisRecord(kDefaultFiveAxisText);
  return record;
}

}  // namespace prefig
