#pragma once
// The General page: program-wide behaviour (main INI file). The host fills
// the record from these; the page's defaults are the loader's.
#include "schema/setting.h"

namespace prefig::schema {

inline constexpr Setting kWarningBeep{.section = "SYSTEM", .key = "WARNINGBEEP", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kStartMax{.section = "SYSTEM", .key = "STARTMAX", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kReopen{.section = "SYSTEM", .key = "REOPEN", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kRememberWinPos{.section = "SYSTEM", .key = "REMEMBERWINPOS", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kProtectRead{.section = "SYSTEM", .key = "PROTECTREAD", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kForceReadOnly{.section = "SYSTEM", .key = "FORCEREADONLY", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kOpenMax{.section = "SYSTEM", .key = "OPENMAX", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kRememberCursor{.section = "SYSTEM", .key = "REMEMBERCURSOR", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kConfirmExit{.section = "SYSTEM", .key = "CONFIRMEXIT", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kOpenMulti{.section = "SYSTEM", .key = "OPENMULTI", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kCheckModified{.section = "SYSTEM", .key = "CHECKMODIFIED", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kCheckConflicts{.section = "SYSTEM", .key = "CHECKCONFLICTS", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kKeepBackup{.section = "SYSTEM", .key = "KEEPBACKUP", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kPathInTitle{.section = "SYSTEM", .key = "PATHINTITLE", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kSpecifyName{.section = "SYSTEM", .key = "SPECIFYNAME", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kShowAllFiles{.section = "SYSTEM", .key = "SHOWALLFILES", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kNlInSize{
    .section = "SYSTEM", .key = "NLINSIZE", .kind = kInteger, .min = 0, .max = 4, .loader = "2"};
// Index of the "Show file size in:" entry.
inline constexpr Setting kShowSize{
    .section = "SYSTEM", .key = "SHOWSIZE", .kind = kInteger, .min = 0, .max = 2, .loader = "0"};
inline constexpr Setting kTabChars{
    .section = "SYSTEM", .key = "TABCHARS", .kind = kInteger, .min = 1, .max = 50, .loader = "8"};
// The page offers 4 to 32 and clamps what it saves to 4..42; the loader
// keeps the same range so that a saved value survives the next start.
inline constexpr Setting kRecentListSize{
    .section = "SYSTEM", .key = "RECENTLISTSIZE", .kind = kInteger, .min = 4, .max = 42, .loader = "16"};
// 1 = "Hide NC-Assistant formula results" checked.
inline constexpr Setting kShowMacroFormula{
    .section = "SYSTEM", .key = "SHOWMACROFORMULA", .kind = kYesNo, .yes_no = kOneZero, .loader = "0"};
inline constexpr Setting kHideDlLink{
    .section = "SYSTEM", .key = "HIDEDLLINK", .kind = kYesNo, .yes_no = kOneZero, .loader = "0"};
// The simulation window's share of the screen; the page shows per cent.
inline constexpr Setting kDefaultWinSize{
    .section = "INSPECT", .key = "DEFAULTWINSIZE", .kind = kDouble, .min = 0.1, .max = 0.9, .loader = "0.660000"};
inline constexpr Setting kWrappedReadOnly{
    .section = "SYSTEM", .key = "WRAPPEDREADONLY", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kShutdownTimeoutEnabled{
    .section = "SYSTEM", .key = "SHUTDOWNTIMEOUTENABLED", .kind = kYesNo, .loader = "No"};
// Minutes of inactivity.
inline constexpr Setting kShutdownTimeout{
    .section = "SYSTEM", .key = "SHUTDOWNTIMEOUT", .kind = kInteger, .min = 5, .max = 99999, .loader = "240"};
inline constexpr Setting kLanguage{.section = "GLOBAL",
                                   .key = "LANGUAGE",
                                   .kind = kText,
                                   .length = 10,
                                   .from = kCurrentLanguage,
                                   .page = kLeftUnchanged};
// The language of the last start: the run-time context compares it with the
// language it chose to tell whether the language changed; no page shows it.
inline constexpr Setting kLastLanguage{
    .section = "GLOBAL", .key = "LASTLANGUAGE", .kind = kText, .length = 10, .from = kCurrentLanguage};
// Read on every load of the page, shown by no control, written by none.
inline constexpr Setting kThemeNo{
    .section = "SYSTEM", .key = "THEMENO", .kind = kInteger, .min = 0, .max = 3, .loader = "3"};
// The comma list of the extensions that the machine types registered last
// (platform::RegisterMachineTypeExtensions). The page's Associate button
// replaces that registration and rewrites the list; no table loads or
// saves it, so it is a key and not a setting.
inline constexpr char kRegisteredExtensionsSection[] = "EXTENSIONS";
inline constexpr char kRegisteredExtensionsKey[] = "CURRENT";

// The order in which the page saves.
inline constexpr const Setting* kGeneralPage[] = {
    &kWarningBeep,      &kStartMax,       &kReopen,         &kRememberWinPos,  &kProtectRead,
    &kForceReadOnly,    &kOpenMax,        &kRememberCursor, &kConfirmExit,     &kOpenMulti,
    &kCheckModified,    &kCheckConflicts, &kKeepBackup,     &kPathInTitle,     &kSpecifyName,
    &kShowAllFiles,     &kNlInSize,       &kShowSize,       &kTabChars,        &kRecentListSize,
    &kShowMacroFormula, &kHideDlLink,     &kDefaultWinSize, &kWrappedReadOnly, &kShutdownTimeoutEnabled,
    &kShutdownTimeout,  &kLanguage};
inline constexpr const Setting* kGeneralPageReadOnly[] = {&kThemeNo, &kLastLanguage};

}  // namespace prefig::schema
