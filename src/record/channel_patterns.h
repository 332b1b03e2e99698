#pragma once
#include <string>

#include "record/stored_pattern.h"

namespace prefig {

// What a channel parser is built from: the multi-channel settings of a
// machine type, and its comment characters and block-skip text ('\0' and
// empty when not used).
struct ChannelSettings {
  int mode = 0;                     // see ChannelMethodOf
  bool by_channel_numbers = false;  // the user-defined mode's choice
  StoredPattern start, end, sync, sync_number;
  char comment_start = '\0';
  char comment_end = '\0';
  std::string block_skip;
};

// The pattern texts a parser compiles; an empty text leaves its pattern unset.
struct ChannelPatternTexts {
  std::string start, end, sync, sync_number;
  bool by_channel_numbers = false;
};

// A method's patterns, or those that the user's entries make:
// - start and end: a plain "O" or ":" is a program number after an optional
//   block number; a plain entry with commas is the alternation of its
//   trimmed, non-empty pieces; anything else is used unchanged;
// - synchronisation and its number: a plain entry is followed by a single
//   digit, which is its value.
// An entry that is empty (or blank) sets no pattern.
ChannelPatternTexts ChannelPatternsFor(const ChannelSettings& settings);

}  // namespace prefig
