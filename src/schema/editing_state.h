#pragma once
// The editing state: what the host remembers between runs and the record
// writes when it is destroyed (main INI file). No page edits these except
// the few that the General page also owns. The defaults are ours.
#include "schema/backplot_view.h"
#include "schema/count_limit.h"
#include "schema/general.h"
#include "schema/setting.h"

namespace prefig::schema {

inline constexpr int kHistoryEntries = 16;
inline constexpr int kHistoryTextMax = 1024;

inline constexpr Setting kSearchHistory{
    .section = "SEARCH", .key = "SEARCH%02d", .count = kHistoryEntries, .kind = kText, .length = kHistoryTextMax};
inline constexpr Setting kReplaceFromHistory{
    .section = "REPLACE", .key = "REPLACEFROM%02d", .count = kHistoryEntries, .kind = kText, .length = kHistoryTextMax};
inline constexpr Setting kReplaceToHistory{
    .section = "REPLACE", .key = "REPLACETO%02d", .count = kHistoryEntries, .kind = kText, .length = kHistoryTextMax};

inline constexpr Setting kSearchWhole{.section = "SEARCH", .key = "SEARCHWHOLE", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kSearchCase{.section = "SEARCH", .key = "SEARCHCASE", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kSearchAll{.section = "SEARCH", .key = "SEARCHALL", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kSearchSpecial{.section = "SEARCH", .key = "SEARCHSPECIAL", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kSearchRegex{.section = "SEARCH", .key = "SEARCHREGEX", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kReplaceWhole{.section = "REPLACE", .key = "REPLACEWHOLE", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kReplaceCase{.section = "REPLACE", .key = "REPLACECASE", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kReplaceSelection{
    .section = "REPLACE", .key = "REPLACESELECTION", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kReplaceFromFile{
    .section = "REPLACE", .key = "REPLACEFROMFILE", .kind = kYesNo, .loader = "No"};
// The character that separates search and replace text in a replace file;
// a tab is the usual delimiter of such lists, but a tab cannot be seen in
// the INI file, so ";" it is.
inline constexpr Setting kReplaceFromFileDelimiter{
    .section = "REPLACE", .key = "REPLACEFROMFILEDELIMITER", .kind = kChar, .length = 1, .loader = ";"};
inline constexpr Setting kReplaceSourceFile{
    .section = "REPLACE", .key = "REPLACESOURCEFILE", .kind = kText, .length = 1023};

inline constexpr Setting kOverwrite{.section = "EDITOR", .key = "OVERWRITE", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kAutoSpace{.section = "EDITOR", .key = "AUTOSPACE", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kHideAdmDock{.section = "SYSTEM", .key = "HIDEADMDOCK", .kind = kYesNo, .loader = "No"};
// Whether the recent-file list numbers its entries as shortcuts.
inline constexpr Setting kRecentListShorts{
    .section = "SYSTEM", .key = "RECENTLISTSHORTS", .kind = kYesNo, .loader = "Yes"};
// Width of the NC-Assistant panel in pixels.
inline constexpr Setting kNcAssistWidth{
    .section = "GLOBAL", .key = "NCASSISTWIDTH", .kind = kInteger, .min = 0, .max = 10000, .loader = "250"};
inline constexpr Setting kAssistBalloon{.section = "GLOBAL", .key = "ASSISTBALLOON", .kind = kYesNo, .loader = "Yes"};

// Backplot view options.
inline constexpr Setting kShowPlotCtrl{.section = "INSPECT", .key = "SHOWPLOTCTRL", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kShowBounding{.section = "INSPECT", .key = "SHOWBOUNDING", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kShowDots{.section = "INSPECT", .key = "SHOWDOTS", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kSolidShading{.section = "INSPECT", .key = "SOLIDSHADING", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kHighlight{.section = "INSPECT", .key = "HIGHLIGHT", .kind = kYesNo, .loader = "Yes"};
// 0 coarse ... 4 finest.
inline constexpr Setting kSolidQuality{
    .section = "INSPECT", .key = "SOLIDQUALITY", .kind = kInteger, .min = 0, .max = 4, .loader = "2"};
inline constexpr Setting kCylindrical{.section = "INSPECT", .key = "CYLINDRICAL", .kind = kYesNo, .loader = "No"};
// 0 by operation, 1 by tool, 2 by depth, 3 one colour.
inline constexpr Setting kSolidColoring{
    .section = "INSPECT", .key = "SOLIDCOLORING", .kind = kInteger, .min = 0, .max = 3, .loader = "0"};
inline constexpr Setting kShowHolder{.section = "INSPECT", .key = "SHOWHOLDER", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kToolTrans{.section = "INSPECT", .key = "TOOLTRANS", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kShowPlotCtrlAll{
    .section = "INSPECT", .key = "SHOWPLOTCTRLALL", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kShowOrigin{.section = "INSPECT", .key = "SHOWORIGIN", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kStopRapid{.section = "INSPECT", .key = "STOPRAPID", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kStopHolder{.section = "INSPECT", .key = "STOPHOLDER", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kStopShoulder{.section = "INSPECT", .key = "STOPSHOULDER", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kStopShaft{.section = "INSPECT", .key = "STOPSHAFT", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kShowToolDlg{.section = "INSPECT", .key = "SHOWTOOLDLG", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kShowToolVector{.section = "INSPECT", .key = "SHOWTOOLVECTOR", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kTrackTool{.section = "INSPECT", .key = "TRACKTOOL", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kLoopSim{.section = "INSPECT", .key = "LOOPSIM", .kind = kYesNo, .loader = "No"};

// The tool lists, in the main INI file and in every machine type file: a
// count and one tool record text per tool (three-digit numbers, so at most
// 1000 tools a list).
inline constexpr int kToolsMax = CountLimit(1000, 16);
inline constexpr Setting kToolCount{.scope = kMainAndType,
                                    .section = "INSPECT",
                                    .key = "TOOLCOUNT",
                                    .kind = kInteger,
                                    .min = 0,
                                    .max = kToolsMax,
                                    .loader = "0",
                                    .held_by = kToolTable};
inline constexpr Setting kTool{.scope = kMainAndType,
                               .section = "INSPECT",
                               .key = "TOOL%03d",
                               .count = kToolsMax,
                               .kind = kText,
                               .length = 4095,
                               .held_by = kToolTable};
inline constexpr Setting kTurnToolCount{.scope = kMainAndType,
                                        .section = "INSPECT",
                                        .key = "TURNTOOLCOUNT",
                                        .kind = kInteger,
                                        .min = 0,
                                        .max = kToolsMax,
                                        .loader = "0",
                                        .held_by = kToolTable};
inline constexpr Setting kTurnTool{.scope = kMainAndType,
                                   .section = "INSPECT",
                                   .key = "TURNTOOL%03d",
                                   .count = kToolsMax,
                                   .kind = kText,
                                   .length = 4095,
                                   .held_by = kToolTable};

// Written in this order when the record is destroyed.
inline constexpr const Setting* kEditingState[] = {&kSearchHistory,
                                                   &kReplaceFromHistory,
                                                   &kReplaceToHistory,
                                                   &kSearchWhole,
                                                   &kSearchCase,
                                                   &kSearchAll,
                                                   &kSearchSpecial,
                                                   &kSearchRegex,
                                                   &kReplaceWhole,
                                                   &kReplaceCase,
                                                   &kReplaceSelection,
                                                   &kReplaceFromFile,
                                                   &kReplaceFromFileDelimiter,
                                                   &kReplaceSourceFile,
                                                   &kOverwrite,
                                                   &kAutoSpace,
                                                   &kHideAdmDock,
                                                   &kRecentListSize,
                                                   &kRecentListShorts,
                                                   &kShutdownTimeoutEnabled,
                                                   &kShutdownTimeout,
                                                   &kNcAssistWidth,
                                                   &kAssistBalloon,
                                                   &kShowPlotCtrl,
                                                   &kShowBounding,
                                                   &kShowDots,
                                                   &kSolidShading,
                                                   &kHighlight,
                                                   &kSolidQuality,
                                                   &kCylindrical,
                                                   &kSolidColoring,
                                                   &kShowHolder,
                                                   &kToolTrans,
                                                   &kShowPlotCtrlAll,
                                                   &kShowOrigin,
                                                   &kMapping,
                                                   &kPrintQuality,
                                                   &kSolidAnimationOpts,
                                                   &kStopRapid,
                                                   &kStopHolder,
                                                   &kStopShoulder,
                                                   &kStopShaft,
                                                   &kShowToolDlg,
                                                   &kShowToolVector,
                                                   &kTrackTool,
                                                   &kLoopSim,
                                                   &kDefaultWinSize,
                                                   &kToolCount,
                                                   &kTool,
                                                   &kTurnToolCount,
                                                   &kTurnTool};

}  // namespace prefig::schema
