#include "record/backplot_parameters.h"

#include <algorithm>

#include "ini/ini_text.h"
#include "record/nc_filter_table.h"
#include "record/setting_values.h"
#include "schema/backplot.h"
#include "schema/control_syntax.h"

namespace prefig {
namespace {

using namespace schema;

// The unit names the backplot knows, by list index; the first is also the
// name of every other value.
constexpr const char* kPathUnitNames[] = {"mm", "mm/100", "mm/1000", "m", "inches", "inches/1000"};
constexpr const char* kFeedUnitNames[] = {"mm/min", "m/min", "mm/s", "m/s", "feet/min", "inch/min", "feet/s", "inch/s"};
constexpr const char* kTurnPathUnitNames[] = {"mm", "inches"};
constexpr const char* kTurnFeedUnitNames[] = {"unit/min", "unit/rev"};
// A comment character code above this is not passed on.
constexpr int kLargestCharacterCode = 127;

template <size_t N>
const char* UnitName(const char* const (&names)[N], int index) {
  return index >= 0 && static_cast<size_t>(index) < N ? names[index] : names[0];
}

std::string Without(std::string_view text, char removed) {
  std::string out(text);
  out.erase(std::remove(out.begin(), out.end(), removed), out.end());
  return out;
}

// Every ';' and '\' preceded by a '\'.
std::string Escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == ';' || c == '\\') out += '\\';
    out += c;
  }
  return out;
}

class Pairs {
 public:
  void Text(const char* name, std::string_view value) {
    text_ += name;
    text_ += '=';
    text_ += value;
    text_ += ';';
  }
  void Quoted(const char* name, std::string_view value) {
    std::string quoted = "'";
    quoted += value;
    quoted += '\'';
    Text(name, quoted);
  }
  void Number(const char* name, int value) { Text(name, std::to_string(value)); }
  void Flag(const char* name, bool value) { Text(name, value ? "1" : "0"); }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

}  // namespace

std::string BuildBackplotParameters(SettingValues& values) {
  const std::string control_key = values.Text(kFilterType);
  const bool turning = IsTurningControl(control_key);
  const std::string tool_change = values.Text(kToolChange);
  const std::string tool_load = values.Text(kToolLoad);
  values.SetText(kMapLetters, NormaliseMapLetters(values.Text(kMapLetters)));

  Pairs pairs;
  pairs.Text("PLOTTYPE", control_key);
  pairs.Number("ARCMODE", values.Int(kArcType));
  pairs.Flag("POSITIVEX", values.Bool(kAutoX));
  pairs.Number("LATHEFLIP", values.Int(kLatheFlip));
  pairs.Flag("DIAMETERPRG", values.Bool(kDiaPrg));
  pairs.Flag("DIAMETERARC", values.Bool(kDiaArc));
  pairs.Flag("SHOWCYCLES", values.Bool(kShowCycles));
  pairs.Flag("DRAWNULLARCS", values.Bool(kNullArcs));
  pairs.Flag("IGNOREM6", values.Bool(kIgnoreToolLoad));
  pairs.Flag("IGNORET0", values.Bool(kIgnoreTool0));
  pairs.Flag("USEUVW", values.Bool(kUseUvw));
  pairs.Flag("IS5AXIS", values.Bool(kIs5Axis));
  pairs.Flag("USEMILI", values.Bool(kUseMili));
  pairs.Quoted("TOOLPREFIX", tool_change);
  pairs.Flag("IGNOREBLOCKSKIP", values.Bool(kIgnoreBlockSkip));
  // Comment characters by their code, left out when the backplot could not
  // take them as one byte.
  int comment_start = static_cast<unsigned char>(values.Char(kCommentStart));
  if (comment_start == 0) comment_start = static_cast<unsigned char>(*kCommentStart.if_empty);
  if (comment_start <= kLargestCharacterCode) pairs.Number("COMMENTSTART", comment_start);
  int comment_end = static_cast<unsigned char>(values.Char(kCommentEnd));
  if (comment_end != 0 && comment_end <= kLargestCharacterCode) pairs.Number("COMMENTEND", comment_end);
  pairs.Flag("MLCENABLED", values.Bool(kMlcEnabled));
  pairs.Quoted("MLCSTART", values.Text(kMlcStart));
  pairs.Quoted("MLCEND", values.Text(kMlcEnd));
  pairs.Number("DECIMALCOUNT", values.Int(kDecimalCount));
  pairs.Quoted("FEED", values.Text(kFeed));
  pairs.Quoted("SPEED", values.Text(kSpeed));
  pairs.Quoted("TOOLCHANGE", tool_change);
  pairs.Quoted("TOOLLOADCMD", tool_load);
  pairs.Flag("BLOCKSKIPAFTER", values.Bool(kBlockSkipAfter));
  pairs.Text("TOOLLOAD", values.Bool(kIgnoreToolLoad) ? std::string() : Escaped(tool_load));
  // A turning control states its units in the turning pairs.
  pairs.Text("UNITS", turning ? kPathUnitNames[0] : UnitName(kPathUnitNames, values.Int(kPathUnits)));
  pairs.Text("RAPIDUNITS", turning ? kFeedUnitNames[0] : UnitName(kFeedUnitNames, values.Int(kFeedUnits)));
  pairs.Text("TURNUNITS", UnitName(kTurnPathUnitNames, values.Int(kTurnPathUnits)));
  pairs.Text("TURNRAPIDUNITS", UnitName(kTurnFeedUnitNames, values.Int(kTurnFeedUnits)));
  pairs.Text("RAPIDRATE", Without(values.Text(kRapidRate), ';'));
  pairs.Text("MAPLETTER", values.Text(kMapLetters));
  return pairs.Take();
}

std::string NormaliseMapLetters(std::string_view text) { return ini::NormaliseCommaList(Without(text, ';'), ","); }

}  // namespace prefig
