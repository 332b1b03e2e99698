#include "record/channel_parser.h"
#include "platform/text.h"

#include <algorithm>
#include <climits>
#include <optional>

namespace prefig {
namespace {

constexpr int kMaxNumber = INT_MAX - 1;  // a result of number + 1 still fits
constexpr size_t kSearchesOfWholeLine = 8;

struct DigitRun {
  size_t begin = 0, end = 0;
  int value = 0;
};

// The first number in [pos, limit); its digits stop at `limit` too.
std::optional<DigitRun> NextNumber(std::string_view text, size_t pos, size_t limit) {
  while (pos < limit && !platform::IsDigit(text[pos])) ++pos;
  if (pos >= limit) return std::nullopt;
  DigitRun run{pos, pos, 0};
  for (; run.end < limit && platform::IsDigit(text[run.end]); ++run.end) {
    int digit = text[run.end] - '0';
    run.value = run.value > (kMaxNumber - digit) / 10 ? kMaxNumber : run.value * 10 + digit;
  }
  return run;
}

// Where a match's numbers are read: inside its value group, or, for a
// pattern without one, anywhere after the match start.
size_t NumberLimit(std::string_view line, const PatternMatch& match) {
  return match.has_value_group ? match.value_end : line.size();
}

uint32_t ChannelBit(int channel) { return uint32_t{1} << ((channel + 31) % 32); }

uint32_t ChannelBits(std::string_view line, const DigitRun& run) {
  if (run.value < 9) return ChannelBit(run.value);
  uint32_t bits = 0;
  size_t i = run.begin;
  while (line[i] == '0') ++i;  // the digits of the number, not of its spelling
  for (; i < run.end; ++i) bits |= ChannelBit(line[i] - '0');
  return bits;
}

void CompileIfGiven(GPattern& pattern, const std::string& text, GPattern::Use use) {
  if (!text.empty()) pattern.Compile(text, use);
}

}  // namespace

GChannelParser::GChannelParser(const ChannelSettings& settings)
    : comment_start_(settings.comment_start), comment_end_(settings.comment_end), block_skip_(settings.block_skip) {
  ChannelPatternTexts texts = ChannelPatternsFor(settings);
  by_channel_numbers_ = texts.by_channel_numbers;
  CompileIfGiven(start_, texts.start, GPattern::Use::kTest);
  CompileIfGiven(end_, texts.end, GPattern::Use::kTest);
  CompileIfGiven(sync_, texts.sync, GPattern::Use::kValues);
  CompileIfGiven(sync_number_, texts.sync_number, GPattern::Use::kValues);
}

const std::string& GChannelParser::Error(Part part) const {
  switch (part) {
    case Part::kStart: return start_.Error();
    case Part::kEnd: return end_.Error();
    case Part::kSync: return sync_.Error();
    case Part::kSyncNumber: break;
  }
  return sync_number_.Error();
}

bool GChannelParser::InComment(std::string_view line, size_t begin, size_t end) const {
  if (comment_start_ == '\0') return false;
  for (size_t open = line.find(comment_start_); open != std::string_view::npos && open <= begin;) {
    size_t close = comment_end_ != '\0' ? line.find(comment_end_, open + 1) : std::string_view::npos;
    size_t stop = close == std::string_view::npos ? line.size() : close + 1;
    if (end <= stop) return true;
    if (close == std::string_view::npos) return false;
    open = line.find(comment_start_, stop);
  }
  return false;
}

ChannelEvaluation GChannelParser::Evaluate(std::string_view line) const {
  ChannelEvaluation evaluation;
  line = line.substr(0, std::min(line.size(), kMaxMatchedLength));
  if (auto match = sync_number_.Find(line)) {
    if (auto run = NextNumber(line, match->value_begin, NumberLimit(line, *match))) evaluation.number = run->value;
  }
  if (!sync_.IsSet()) return evaluation;
  if (!block_skip_.empty()) {
    size_t skip = line.find_first_of(block_skip_);
    if (skip != std::string_view::npos && !InComment(line, skip, skip + 1)) return evaluation;
  }

  // Each search may read the rest of the line; a few times the line is enough
  // for every real block and bounds the time a hostile pattern takes.
  size_t length = std::min(line.size(), sync_.MatchedLength());
  size_t budget = kSearchesOfWholeLine * sync_.MatchedLength();
  size_t from = 0;
  for (size_t found = 0; found < kMaxSyncCommandsPerLine && from <= length; ++found) {
    size_t searched = length - from;
    if (searched > budget) break;
    budget -= searched;
    std::optional<PatternMatch> match = sync_.Find(line, from);
    if (!match) break;
    from = std::max(match->end, match->begin + 1);  // an empty match must not stall the search
    if (InComment(line, match->begin, match->end)) continue;
    size_t limit = NumberLimit(line, *match);
    for (auto run = NextNumber(line, match->value_begin, limit); run; run = NextNumber(line, run->end, limit)) {
      if (!by_channel_numbers_) {
        evaluation.result = static_cast<uint32_t>(run->value) + 1;
        return evaluation;
      }
      evaluation.result |= ChannelBits(line, *run);
      if (!match->has_value_group) break;  // only the number at the match
    }
  }
  return evaluation;
}

}  // namespace prefig
