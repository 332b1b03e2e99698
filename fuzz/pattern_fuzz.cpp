// User patterns as typed into the settings, on arbitrary lines: translating,
// compiling and matching must neither crash nor take long, and what matches
// must lie inside the line.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string_view>

#include "record/channel_parser.h"
#include "record/pattern.h"

namespace {

// Well above the worst accepted pattern, even in a sanitizer build. Time
// of this process's processor, not of the clock: on a machine shared with
// other work the clock ran past the bound while the pattern took 0.6 s.
constexpr std::clock_t kTooLong = 3 * CLOCKS_PER_SEC;

void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "pattern fuzz: %s\n", what);
    std::abort();
  }
}

}  // namespace

// Input: one flag byte, then the pattern up to the first line feed, then the line.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  uint8_t flags = data[0];
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  size_t split = rest.find('\n');
  std::string_view pattern_text = rest.substr(0, split);
  std::string_view line = split == std::string_view::npos ? std::string_view() : rest.substr(split + 1);

  std::clock_t started = std::clock();
  prefig::GPattern pattern;
  bool compiled = pattern.Compile(pattern_text, prefig::GPattern::Use::kValues);
  Check(compiled == pattern.IsSet() && compiled == pattern.Error().empty(), "compile result and error disagree");
  size_t from = flags % 4;
  if (auto match = pattern.Find(line, from)) {
    Check(match->begin >= from && match->begin <= match->end && match->end <= line.size(), "match outside the line");
    Check(
        match->value_begin >= match->begin && match->value_begin <= match->value_end && match->value_end <= line.size(),
        "value outside the line");
  }

  prefig::ChannelSettings settings;
  settings.mode = (flags >> 2) % 14;  // the twelve methods, and user-defined
  settings.by_channel_numbers = flags & 0x40;
  prefig::StoredPattern user{std::string(pattern_text), (flags & 0x80) != 0};
  settings.start = settings.end = settings.sync = settings.sync_number = user;
  settings.comment_start = '(';
  settings.comment_end = ')';
  settings.block_skip = (flags & 0x20) ? "/" : "";
  prefig::GChannelParser parser(settings);
  parser.IsStart(line);
  parser.IsEnd(line);
  prefig::ChannelEvaluation evaluation = parser.Evaluate(line);
  Check(evaluation.number >= -1, "negative synchronisation number");

  Check(std::clock() - started < kTooLong, "too slow");
  return 0;
}
