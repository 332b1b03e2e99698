#pragma once
// The Printer page (main INI file, section PRINTERSETUP).
#include "schema/setting.h"

namespace prefig::schema {

inline constexpr Setting kRaw{.section = "PRINTERSETUP", .key = "RAW", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kUseColors{.section = "PRINTERSETUP", .key = "USECOLORS", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kUseSyntaxColors{
    .section = "PRINTERSETUP", .key = "USESYNTAXCOLORS", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kPrintHeader{.section = "PRINTERSETUP", .key = "PRINTHEADER", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kPrintHeaderFirst{
    .section = "PRINTERSETUP", .key = "PRINTHEADERFIRST", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kPrintFooter{.section = "PRINTERSETUP", .key = "PRINTFOOTER", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kSendFormFeed{
    .section = "PRINTERSETUP", .key = "SENDFORMFEED", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kFormFeedLast{
    .section = "PRINTERSETUP", .key = "FORMFEEDLAST", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kEndlessPaper{
    .section = "PRINTERSETUP", .key = "ENDLESSPAPER", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kPaperWidth{
    .section = "PRINTERSETUP", .key = "PAPERWIDTH", .kind = kInteger, .min = 10, .max = 300, .loader = "78"};
inline constexpr Setting kPaperHeight{
    .section = "PRINTERSETUP", .key = "PAPERHEIGHT", .kind = kInteger, .min = 10, .max = 300, .loader = "64"};
// Header and footer format texts; the host's printing expands the %-codes.
inline constexpr Setting kHeadLeft{
    .section = "PRINTERSETUP", .key = "HEADLEFT", .kind = kText, .length = 255, .loader = "%F"};
inline constexpr Setting kHeadCenter{.section = "PRINTERSETUP", .key = "HEADCENTER", .kind = kText, .length = 255};
inline constexpr Setting kHeadRight{
    .section = "PRINTERSETUP", .key = "HEADRIGHT", .kind = kText, .length = 255, .loader = "%t / %d"};
inline constexpr Setting kFootLeft{
    .section = "PRINTERSETUP", .key = "FOOTLEFT", .kind = kText, .length = 255, .loader = "%c"};
inline constexpr Setting kFootCenter{.section = "PRINTERSETUP", .key = "FOOTCENTER", .kind = kText, .length = 255};
inline constexpr Setting kFootRight{
    .section = "PRINTERSETUP", .key = "FOOTRIGHT", .kind = kText, .length = 255, .loader = "%p / %P"};
// Single-column and multi-column printing fonts.
inline constexpr Setting kPrintFont{
    .section = "PRINTERSETUP", .key = "FONT*", .kind = kFont, .loader = "-16,0,0,0,0,0,0,0,0,1,2,3,49,Courier New"};
inline constexpr Setting kPrintMultiColumnFont{
    .section = "PRINTERSETUP", .key = "MFONT*", .kind = kFont, .loader = "-13,0,0,0,0,0,0,0,0,1,2,3,49,Courier New"};
// Margins: a number written "%.2f", in inches when the flag says so. The
// page sets no bounds; these only keep a garbage value printable.
inline constexpr Setting kLeftMargin{.section = "PRINTERSETUP",
                                     .key = "LEFTMARGIN",
                                     .kind = kDouble,
                                     .min = -1e6,
                                     .max = 1e6,
                                     .decimals = 2,
                                     .loader = "2.00"};
inline constexpr Setting kLeftMarginInch{
    .section = "PRINTERSETUP", .key = "LEFTMARGININCH", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kRightMargin{.section = "PRINTERSETUP",
                                      .key = "RIGHTMARGIN",
                                      .kind = kDouble,
                                      .min = -1e6,
                                      .max = 1e6,
                                      .decimals = 2,
                                      .loader = "2.00"};
inline constexpr Setting kRightMarginInch{
    .section = "PRINTERSETUP", .key = "RIGHTMARGININCH", .kind = kYesNo, .loader = "No"};

inline constexpr const Setting* kPrinterPage[] = {&kRaw,
                                                  &kUseColors,
                                                  &kUseSyntaxColors,
                                                  &kPrintHeader,
                                                  &kPrintHeaderFirst,
                                                  &kPrintFooter,
                                                  &kSendFormFeed,
                                                  &kFormFeedLast,
                                                  &kEndlessPaper,
                                                  &kPaperWidth,
                                                  &kPaperHeight,
                                                  &kHeadLeft,
                                                  &kHeadCenter,
                                                  &kHeadRight,
                                                  &kFootLeft,
                                                  &kFootCenter,
                                                  &kFootRight,
                                                  &kPrintFont,
                                                  &kPrintMultiColumnFont,
                                                  &kLeftMargin,
                                                  &kLeftMarginInch,
                                                  &kRightMargin,
                                                  &kRightMarginInch};

}  // namespace prefig::schema
