#pragma once
// The file compare page of a machine type (section FILECOMPARE).
#include "schema/setting.h"

namespace prefig::schema {

inline constexpr Setting kSingleStep{
    .scope = kType, .section = "FILECOMPARE", .key = "SINGLESTEP", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kIgnoreCase{
    .scope = kType, .section = "FILECOMPARE", .key = "IGNORECASE", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kIgnoreBlock{
    .scope = kType, .section = "FILECOMPARE", .key = "IGNOREBLOCK", .kind = kYesNo, .loader = "Yes"};
// Leading and trailing zeros.
inline constexpr Setting kIgnoreTNumeric{
    .scope = kType, .section = "FILECOMPARE", .key = "IGNORETNUMERIC", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kIgnoreComments{
    .scope = kType, .section = "FILECOMPARE", .key = "IGNORECOMMENTS", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kIgnoreWhiteSpace{
    .scope = kType, .section = "FILECOMPARE", .key = "IGNOREWHITESPACE", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kMarkChangeOnly{
    .scope = kType, .section = "FILECOMPARE", .key = "MARKCHANGEONLY", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kTabSwitch{
    .scope = kType, .section = "FILECOMPARE", .key = "TABSWITCH", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kSmartMark{
    .scope = kType, .section = "FILECOMPARE", .key = "SMARTMARK", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kAutoNext{
    .scope = kType, .section = "FILECOMPARE", .key = "AUTONEXT", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kShowAll{
    .scope = kType, .section = "FILECOMPARE", .key = "SHOWALL", .kind = kYesNo, .loader = "No", .page = "Yes"};
inline constexpr Setting kPrnDiffOnly{
    .scope = kType, .section = "FILECOMPARE", .key = "PRNDIFFONLY", .kind = kYesNo, .loader = "Yes"};

inline constexpr const Setting* kFileComparePage[] = {
    &kSingleStep,     &kIgnoreCase, &kIgnoreBlock, &kIgnoreTNumeric, &kIgnoreComments, &kIgnoreWhiteSpace,
    &kMarkChangeOnly, &kTabSwitch,  &kSmartMark,   &kAutoNext,       &kShowAll,        &kPrnDiffOnly};

}  // namespace prefig::schema
