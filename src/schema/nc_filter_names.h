#pragma once
// Names of NC filters that the machine type loader and the settings
// declarations use: filter libraries, control keys and the namespace of the
// NC formats. The NC filter table (nc_filter_table.h) uses the same names
// and makes every namespace URI (NcFormatUri).
namespace prefig {

// Every NC format namespace URI is a path on this host.
inline constexpr char kNcFormatNamespaceHost[] = "https://ns.prefig.example";

inline constexpr char kFilterLibraryFanuc[] = "ncfilter_fanuc";
inline constexpr char kFilterLibraryApt[] = "ncfilter_apt";
inline constexpr char kFilterLibraryHeidenhainUpgrade[] = "ncfilter_h";

inline constexpr char kControlKeyHeidenhain[] = "HEIDENHAIN";
inline constexpr char kControlKeyMillFanuc[] = "MILLFANUC";
inline constexpr char kControlKeyTurnFanucA[] = "TURNFANUCA";
inline constexpr char kControlKeyApt[] = "APT";
inline constexpr char kTurningKeyPrefix[] = "TURN";  // a control key starting so is a turning control

inline constexpr char kNamespacePathIsoAdvanced[] = "/namespace/nc/format/iso/advanced";
inline constexpr char kNamespacePathIsoMillFanuc[] = "/namespace/nc/format/iso/mill-fanuc";
inline constexpr char kNamespacePathHeidenhain[] = "/namespace/nc/format/heidenhain";
inline constexpr char kNamespacePathAptGeneric[] = "/namespace/nc/format/apt/generic";

}  // namespace prefig
