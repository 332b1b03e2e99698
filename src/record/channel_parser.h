#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "record/channel_patterns.h"
#include "record/pattern.h"

namespace prefig {

// What one line says about synchronisation.
struct ChannelEvaluation {
  // 0 when the line holds no synchronisation. By channel numbers, the set of
  // channels (bit n for channel n + 1; a channel digit 0 gives bit 31);
  // otherwise the number of the first synchronisation command plus 1.
  uint32_t result = 0;
  // The synchronisation number, -1 when there is none.
  int number = -1;
};

// A line with more synchronisation commands than this is read only up to
// them; real NC blocks hold one or two, and there are 32 channels at most.
inline constexpr size_t kMaxSyncCommandsPerLine = 32;

// The patterns by which the multi-channel view splits an NC program into
// channels and finds where the channels wait for each other.
class GChannelParser {
 public:
  enum class Part { kStart, kEnd, kSync, kSyncNumber };

  GChannelParser() = default;  // finds nothing
  explicit GChannelParser(const ChannelSettings& settings);

  bool ByChannelNumbers() const { return by_channel_numbers_; }
  bool IsStart(std::string_view line) const { return start_.Matches(line); }
  bool IsEnd(std::string_view line) const { return end_.Matches(line); }

  // 1. The synchronisation number: the first number in the value of the
  //    synchronisation-number pattern's first match.
  // 2. The line's comments each run from a comment start character to the
  //    next comment end character, or to the end of the line. When the first
  //    block-skip character of the line is outside every comment, the line
  //    has no synchronisation.
  // 3. Every match of the synchronisation pattern outside the comments, in
  //    order: its value's first number plus 1 is the result; by channel
  //    numbers, each number in its value adds channels: a number below 9 is
  //    one channel, a larger one a channel per digit. A match that lies
  //    wholly inside a comment is skipped and the search goes
  //    on after it: ending the search there would lose the synchronisation
  //    of every block that opens with a comment, "(M100) M101" included. A
  //    comment without its end character runs to the end of the line.
  ChannelEvaluation Evaluate(std::string_view line) const;

  // Why a part's pattern did not compile (it is then unset); empty when it
  // compiled or was not given.
  const std::string& Error(Part part) const;

 private:
  bool InComment(std::string_view line, size_t begin, size_t end) const;

  bool by_channel_numbers_ = false;
  char comment_start_ = '\0';
  char comment_end_ = '\0';
  std::string block_skip_;
  GPattern start_, end_, sync_, sync_number_;
};

}  // namespace prefig
