#pragma once
// The tool list page of a machine type (section TOOLLIST): how the editor's
// tool list command finds tools and which template it fills.
#include "schema/control_syntax.h"
#include "schema/setting.h"

namespace prefig::schema {

// The standard templates in the DATA directory, for the older and the newer
// generator. One spelling for both the loader and the page.
inline constexpr char kToolListTemplateName[] = "ToolList.txt";
inline constexpr char kNewToolListTemplateName[] = "NewToolList.txt";

// An empty value, or one naming the old standard template under Sys, is
// replaced by the default when the type is loaded.
inline constexpr Setting kTemplate{.scope = kType,
                                   .section = "TOOLLIST",
                                   .key = "TEMPLATE",
                                   .kind = kText,
                                   .length = 1023,
                                   .loader = kToolListTemplateName,
                                   .from = kDataDirectory};
// "2:" in front marks a regular expression. Defaults to the type's tool
// change word.
inline constexpr Setting kToolPrefix{.scope = kType,
                                     .section = "TOOLLIST",
                                     .key = "PREFIX",
                                     .kind = kText,
                                     .length = 1023,
                                     .loader = "T",
                                     .default_from = &kToolChange,
                                     .page = "T"};
inline constexpr Setting kTrigger1{
    .scope = kType, .section = "TOOLLIST", .key = "TRIGGER1", .kind = kText, .length = 1023};
inline constexpr Setting kTrigger2{
    .scope = kType, .section = "TOOLLIST", .key = "TRIGGER2", .kind = kText, .length = 1023};
inline constexpr Setting kCommentFilter{
    .scope = kType, .section = "TOOLLIST", .key = "COMMENTFILTER", .kind = kText, .length = 1023};
inline constexpr Setting kToolListSort{
    .scope = kType, .section = "TOOLLIST", .key = "SORT", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kToolListIgnore0{
    .scope = kType, .section = "TOOLLIST", .key = "IGNORE0", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kToolListIgnoreDup{
    .scope = kType, .section = "TOOLLIST", .key = "IGNOREDUP", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kToolListTwoLine{
    .scope = kType, .section = "TOOLLIST", .key = "TWOLINE", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kToolListNextLine{
    .scope = kType, .section = "TOOLLIST", .key = "NEXTLINE", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kMultiLineRegex{
    .scope = kType, .section = "TOOLLIST", .key = "MULTILINEREGEX", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kUseNewToolList{
    .scope = kType, .section = "TOOLLIST", .key = "USENEWTOOLLIST", .kind = kYesNo, .loader = "No"};

inline constexpr const Setting* kToolListPage[] = {
    &kTemplate,        &kToolPrefix,        &kTrigger1,        &kTrigger2,         &kCommentFilter,  &kToolListSort,
    &kToolListIgnore0, &kToolListIgnoreDup, &kToolListTwoLine, &kToolListNextLine, &kMultiLineRegex, &kUseNewToolList};

}  // namespace prefig::schema
