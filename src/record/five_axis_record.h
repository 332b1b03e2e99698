#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace prefig {

// One 5-axis machine definition: the kinematics that the host's backplot and
// simulation use for multi-axis programs. Stored as one line of "$"-separated
// fields (see FormatFiveAxisRecord).
using FiveAxisVector = std::array<double, 3>;  // x, y, z

inline constexpr int kLetterA = 0;
inline constexpr int kLetterB = 1;
inline constexpr int kLetterC = 2;

struct FiveAxisRotary {
  int used = 0;      // 1: the axis exists
  int on_table = 0;  // 1: it turns the workpiece, 0: it turns the tool
  int letter = 0;    // kLetterA, kLetterB or kLetterC
  FiveAxisVector direction{};
  FiveAxisVector offset{};  // pivot offset, a length
  double minimum = 0;       // a pair of limits that are both 0: no limits
  double maximum = 0;
  bool operator==(const FiveAxisRotary&) const = default;
};

struct FiveAxisRecord {
  std::string name;
  FiveAxisRotary axis1, axis2;
  FiveAxisVector tool{0, 0, 1};
  int reserved = 0;              // carried along unchanged
  std::optional<int> reserved2;  // an optional last field; the dialog writes 0
  bool operator==(const FiveAxisRecord&) const = default;
};

inline constexpr size_t kFiveAxisNameMax = 127;
// No length, angle or limit of a real machine comes near this; refusing
// larger numbers keeps every written line short and readable again.
inline constexpr double kFiveAxisNumberMax = 1e9;

// The definition every machine type starts with.
inline constexpr std::string_view kDefaultFiveAxisText =
    "1$DMU-70$1$1$1$0.0000000$1.0000000$-1.0000000$0.0000000$0.0000000$-155.0000000$180.0000000$0.0000000"
    "$1$1$2$0.0000000$0.0000000$1.0000000$0.0000000$0.0000000$0.0000000$-99999.0000000$99999.0000000"
    "$0.0000000$0.0000000$1.0000000$0";
const FiveAxisRecord& DefaultFiveAxisRecord();

// Reads one line: tag "1", then 27 or 28 fields; numbers with "." or "," as
// decimal separator and white space around them; the name trimmed and cut to
// kFiveAxisNameMax bytes. Anything else (a missing or extra field, a number
// that is not one, out of range, or a flag or letter out of its set) gives
// nothing, as does a record whose identity value is 0.
std::optional<FiveAxisRecord> ParseFiveAxisRecord(std::string_view line);

// Writes the line: "%d" and "%.7f" with "." whatever the locale, a "$" in the
// name as ":", line breaks in the name as spaces.
std::string FormatFiveAxisRecord(const FiveAxisRecord& record);

// CRC-32 (reflected, polynomial 0xEDB88320) of the written line, started from
// 0xABADBABE and not inverted at the end. 0 counts as unreadable.
uint32_t FiveAxisIdentity(const FiveAxisRecord& record);
uint32_t FiveAxisCrc(std::string_view text);

// A name as a record can hold it: at most kFiveAxisNameMax bytes, cut
// before a character that would not fit whole.
std::string FiveAxisName(std::string_view name);

}  // namespace prefig
