#pragma once
// The Editor page: the host's text editor (main INI file, section EDITOR).
#include "schema/setting.h"

namespace prefig::schema {

inline constexpr Setting kKbdAccel{.section = "EDITOR", .key = "KBDACCEL", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kVirtual{.section = "EDITOR", .key = "VIRTUAL", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kTabsToSpace{.section = "EDITOR", .key = "TABSTOSPACE", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kReplaceTop{.section = "EDITOR", .key = "REPLACETOP", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kWrapSearch{.section = "EDITOR", .key = "WRAPSEARCH", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kAlwaysUpper{.section = "EDITOR", .key = "ALWAYSUPPER", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kRememberMath{.section = "EDITOR", .key = "REMEBERMATH", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kPromptUndo{.section = "EDITOR", .key = "PROMPTUNDO", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kPadTabs{.section = "EDITOR", .key = "PADTABS", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kMarkEol{.section = "EDITOR", .key = "MARKEOL", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kVScroll{.section = "EDITOR", .key = "VSCROLL", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kHScroll{.section = "EDITOR", .key = "HSCROLL", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kDragBlocks{.section = "EDITOR", .key = "DRAGBLOCKS", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kCopyWithout{.section = "EDITOR", .key = "COPYWITHOUT", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kBackspace{.section = "EDITOR", .key = "BACKSPACE", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kShowReplace{.section = "EDITOR", .key = "SHOWREPLACE", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kPasteDontMove{.section = "EDITOR", .key = "PASTEDONTMOVE", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kRemoveAscii0{.section = "EDITOR", .key = "REMOVEASCII0", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kLineNumbers{.section = "EDITOR", .key = "LINENUMBERS", .kind = kYesNo, .loader = "Yes"};
// No control edits it; the page writes the record's value back. Bookmark
// marks in the margin are shown unless a user turned them off by hand.
inline constexpr Setting kBookmarkIndicators{
    .section = "EDITOR", .key = "BOOKMARKINDICATORS", .kind = kYesNo, .loader = "Yes", .page = kLeftUnchanged};
inline constexpr Setting kEditorFont{
    .section = "EDITOR", .key = "FONT*", .kind = kFont, .loader = "-16,0,0,0,700,0,0,0,0,3,2,1,49,Courier New"};
inline constexpr Setting kHighlightLine{.section = "EDITOR", .key = "HIGHLIGHTLINE", .kind = kYesNo, .loader = "Yes"};

inline constexpr const Setting* kEditorPage[] = {
    &kKbdAccel,     &kVirtual,     &kTabsToSpace,   &kReplaceTop,   &kWrapSearch,  &kAlwaysUpper,        &kRememberMath,
    &kPromptUndo,   &kPadTabs,     &kMarkEol,       &kVScroll,      &kHScroll,     &kDragBlocks,         &kCopyWithout,
    &kBackspace,    &kShowReplace, &kPasteDontMove, &kRemoveAscii0, &kLineNumbers, &kBookmarkIndicators, &kEditorFont,
    &kHighlightLine};

}  // namespace prefig::schema
