#pragma once
// The host's DNC configuration object, stored in its own INI file beside the
// main one (DNCClient.ini in CFG): the fields that the DNC administration
// and port list pages edit. The sections CLIENT and PORTLIST and their key
// names are ours; GLOBAL and USERCONFIG hold the three keys the pages write
// directly. Defaults are the pages' defaults.
#include "schema/setting.h"

namespace prefig::schema {

inline constexpr char kDncConfigFileName[] = "DNCClient.ini";

// First group: 32-bit flags.
inline constexpr Setting kDncShowManual{
    .scope = kDnc, .section = "CLIENT", .key = "SHOWMANUAL", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kDncShowTerminal{
    .scope = kDnc, .section = "CLIENT", .key = "SHOWTERMINAL", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kDncShowLog{
    .scope = kDnc, .section = "CLIENT", .key = "SHOWLOG", .kind = kYesNo, .loader = "Yes"};
// Its box is always disabled.
inline constexpr Setting kDncShowFeedSpeed{
    .scope = kDnc, .section = "CLIENT", .key = "SHOWFEEDSPEED", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kDncShowSystemLog{
    .scope = kDnc, .section = "CLIENT", .key = "SHOWSYSTEMLOG", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kDncShowDebug{
    .scope = kDnc, .section = "CLIENT", .key = "SHOWDEBUG", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kDncProgressView{
    .scope = kDnc, .section = "CLIENT", .key = "PROGRESSVIEW", .kind = kYesNo, .loader = "Yes"};
// Its box is hidden.
inline constexpr Setting kDncShowMessenger{
    .scope = kDnc, .section = "CLIENT", .key = "SHOWMESSENGER", .kind = kYesNo, .loader = "Yes"};

// Second group: boolean bytes.
inline constexpr Setting kDncAllowRestartPorts{
    .scope = kDnc, .section = "CLIENT", .key = "ALLOWRESTARTPORTS", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kDncLocalServerOnly{
    .scope = kDnc, .section = "CLIENT", .key = "LOCALSERVERONLY", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kDncShowLinks{
    .scope = kDnc, .section = "CLIENT", .key = "SHOWLINKS", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kDncDoubleClickOpensLinks{
    .scope = kDnc, .section = "CLIENT", .key = "DBLCLICKOPENLINKS", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kDncDoubleClickConfiguresPorts{
    .scope = kDnc, .section = "CLIENT", .key = "DBLCLICKCONFIGPORTS", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kDncShowAllFiles{
    .scope = kDnc, .section = "CLIENT", .key = "SHOWALLFILES", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kDncHideSendReceive{
    .scope = kDnc, .section = "CLIENT", .key = "HIDESENDRECEIVE", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kDncOpenRootDirectory{
    .scope = kDnc, .section = "CLIENT", .key = "OPENROOTDIR", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kDncKeepFileDialogOpen{
    .scope = kDnc, .section = "CLIENT", .key = "KEEPFILEDLGOPEN", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kDncAllowLocalFiles{
    .scope = kDnc, .section = "CLIENT", .key = "ALLOWLOCALFILES", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kDncUseQuiverLogins{
    .scope = kDnc, .section = "CLIENT", .key = "USEQUIVERLOGINS", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kDncQuiverPortsOnly{
    .scope = kDnc, .section = "CLIENT", .key = "QUIVERPORTSONLY", .kind = kYesNo, .loader = "No"};

// Written directly by the administration page.
inline constexpr Setting kDncWarnOverwrite{
    .scope = kDnc, .section = "USERCONFIG", .key = "WARNOVERWRITE", .kind = kYesNo, .loader = "No"};
// 0 = "Light", 1 = "Dark".
inline constexpr Setting kDncLogTheme{.scope = kDnc,
                                      .section = "GLOBAL",
                                      .key = "DNCLOGTHEME",
                                      .kind = kInteger,
                                      .min = 0,
                                      .max = 1,
                                      .loader = "1",
                                      .page = kLeftUnchanged};
// Read up to 1023 characters, written up to 4095.
inline constexpr Setting kDncFixedServer{
    .scope = kDnc, .section = "GLOBAL", .key = "FIXEDSERVER", .kind = kText, .length = 1023};

// Port list page.
inline constexpr Setting kDncShowColors{
    .scope = kDnc, .section = "PORTLIST", .key = "SHOWCOLORS", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kDncShowProgressBackground{
    .scope = kDnc, .section = "PORTLIST", .key = "SHOWPROGRESSBG", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kDncDragBetweenGroups{
    .scope = kDnc, .section = "PORTLIST", .key = "DRAGBETWEENGROUPS", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kDncGroupsFullscreen{
    .scope = kDnc, .section = "PORTLIST", .key = "GROUPSFULLSCREEN", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kDncGroupsDocked{
    .scope = kDnc, .section = "PORTLIST", .key = "GROUPSDOCKED", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kDncCollapseGroups{
    .scope = kDnc, .section = "PORTLIST", .key = "COLLAPSEGROUPS", .kind = kYesNo, .loader = "No"};
inline constexpr const char* kPortColumnDefaults[] = {"Yes", "Yes", "Yes", "No", "No", "No", "No", "No", "No", "No"};
inline constexpr Setting kDncShowColumn{.scope = kDnc,
                                        .section = "PORTLIST",
                                        .key = "SHOWCOL%02d",
                                        .count = 10,
                                        .first = 1,
                                        .kind = kYesNo,
                                        .member_defaults = kPortColumnDefaults};
// Seconds.
inline constexpr Setting kDncResetErrors{.scope = kDnc,
                                         .section = "PORTLIST",
                                         .key = "RESETERRORS",
                                         .kind = kInteger,
                                         .min = 0,
                                         .max = 100000000,
                                         .loader = "60"};

inline constexpr const Setting* kDncAdministrationPage[] = {&kDncShowManual,
                                                            &kDncShowTerminal,
                                                            &kDncShowLog,
                                                            &kDncShowFeedSpeed,
                                                            &kDncShowSystemLog,
                                                            &kDncShowDebug,
                                                            &kDncProgressView,
                                                            &kDncShowMessenger,
                                                            &kDncAllowRestartPorts,
                                                            &kDncLocalServerOnly,
                                                            &kDncShowLinks,
                                                            &kDncDoubleClickOpensLinks,
                                                            &kDncDoubleClickConfiguresPorts,
                                                            &kDncShowAllFiles,
                                                            &kDncOpenRootDirectory,
                                                            &kDncKeepFileDialogOpen,
                                                            &kDncAllowLocalFiles,
                                                            &kDncUseQuiverLogins,
                                                            &kDncQuiverPortsOnly,
                                                            &kDncWarnOverwrite,
                                                            &kDncHideSendReceive,
                                                            &kDncLogTheme,
                                                            &kDncFixedServer};
inline constexpr const Setting* kDncPortListPage[] = {
    &kDncShowColors,   &kDncShowProgressBackground, &kDncDragBetweenGroups, &kDncGroupsFullscreen,
    &kDncGroupsDocked, &kDncCollapseGroups,         &kDncShowColumn,        &kDncResetErrors};

}  // namespace prefig::schema
