#pragma once
// The renumbering page of a machine type (section RENUM). The page's Default
// reads the same keys (but RENUMCANNED, PRECEEDESTRALT, RENUMRESTARTTRIG)
// from the file's own section "RENUM DEFAULT", these defaults applying
// where that section lacks them; so a template can bring its own.
#include "schema/setting.h"

namespace prefig::schema {

inline constexpr char kRenumDefaultSection[] = "RENUM DEFAULT";
inline constexpr double kIntMax = 2147483647;

inline constexpr Setting kRenumAuto{.scope = kType, .section = "RENUM", .key = "AUTO", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kAutoIndent{
    .scope = kType, .section = "RENUM", .key = "AUTOINDENT", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kUndoLarge{
    .scope = kType, .section = "RENUM", .key = "UNDOLARGE", .kind = kYesNo, .loader = "No"};
// Spaces after the block number.
inline constexpr Setting kInsertSpace{
    .scope = kType, .section = "RENUM", .key = "INSERTSPACE", .kind = kInteger, .min = -16, .max = 16, .loader = "1"};
inline constexpr Setting kRenumCanned{
    .scope = kType, .section = "RENUM", .key = "RENUMCANNED", .kind = kYesNo, .loader = "No", .page = kLeftUnchanged};
inline constexpr Setting kStartNext{
    .scope = kType, .section = "RENUM", .key = "STARTNEXT", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kRenumEmpty{
    .scope = kType, .section = "RENUM", .key = "RENUMEMPTY", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kRenumExistOnly{
    .scope = kType, .section = "RENUM", .key = "RENUMEXISTONLY", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kStartFrom{
    .scope = kType, .section = "RENUM", .key = "STARTFROM", .kind = kInteger, .min = 1, .max = kIntMax, .loader = "1"};
inline constexpr Setting kSkipOver{
    .scope = kType, .section = "RENUM", .key = "SKIPOVER", .kind = kInteger, .min = 0, .max = kIntMax, .loader = "0"};
inline constexpr Setting kShowQuick{
    .scope = kType, .section = "RENUM", .key = "SHOWQUICK", .kind = kYesNo, .loader = "No"};
// Index of the format list: the number of leading zeros.
inline constexpr Setting kRenumFormat{
    .scope = kType, .section = "RENUM", .key = "FORMAT", .kind = kInteger, .min = 0, .max = 9, .loader = "0"};
// Index of the interval list.
inline constexpr Setting kRenumInterval{
    .scope = kType, .section = "RENUM", .key = "INTERVAL", .kind = kInteger, .min = 0, .max = 13, .loader = "0"};
// First block number; 2147483647 means none.
inline constexpr Setting kRenumStart{
    .scope = kType, .section = "RENUM", .key = "START", .kind = kInteger, .min = 0, .max = kIntMax, .loader = "0"};
// First and last line, restart interval; 0 means none.
inline constexpr Setting kRenumFrom{
    .scope = kType, .section = "RENUM", .key = "FROM", .kind = kInteger, .min = 0, .max = kIntMax, .loader = "0"};
inline constexpr Setting kRenumTo{
    .scope = kType, .section = "RENUM", .key = "TO", .kind = kInteger, .min = 0, .max = kIntMax, .loader = "0"};
inline constexpr Setting kRenumRestart{
    .scope = kType, .section = "RENUM", .key = "RESTART", .kind = kInteger, .min = 0, .max = kIntMax, .loader = "0"};
// The block number address.
inline constexpr Setting kPreceedeStr{
    .scope = kType, .section = "RENUM", .key = "PRECEEDESTR", .kind = kText, .length = 32, .loader = "N"};
inline constexpr Setting kPreceedeStrAlt{
    .scope = kType, .section = "RENUM", .key = "PRECEEDESTRALT", .kind = kText, .length = 32, .page = kLeftUnchanged};
inline constexpr Setting kRenumRestartTrig{
    .scope = kType, .section = "RENUM", .key = "RENUMRESTARTTRIG", .kind = kText, .length = 32, .page = kLeftUnchanged};
// Comma lists: skip lines starting with / containing.
inline constexpr Setting kRenumSkip{.scope = kType, .section = "RENUM", .key = "SKIP", .kind = kText, .length = 8447};
inline constexpr Setting kRenumSkipContain{
    .scope = kType, .section = "RENUM", .key = "SKIPCONTAIN", .kind = kText, .length = 8447};
inline constexpr Setting kStartTrig{
    .scope = kType, .section = "RENUM", .key = "STARTTRIG", .kind = kText, .length = 256};

inline constexpr const Setting* kRenumberPage[] = {
    &kRenumAuto,      &kAutoIndent,       &kUndoLarge, &kInsertSpace,      &kRenumCanned,  &kStartNext,
    &kRenumEmpty,     &kRenumExistOnly,   &kStartFrom, &kSkipOver,         &kShowQuick,    &kRenumFormat,
    &kRenumInterval,  &kRenumStart,       &kRenumFrom, &kRenumTo,          &kRenumRestart, &kPreceedeStr,
    &kPreceedeStrAlt, &kRenumRestartTrig, &kRenumSkip, &kRenumSkipContain, &kStartTrig};

}  // namespace prefig::schema
