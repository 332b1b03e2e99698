#pragma once

namespace prefig {

// Message ids with a fixed role in every message file (the marker, 711, is
// kMarkerMessageId of entry/module_state.h).
inline constexpr int kLanguageNameMessageId = 318;  // the language's own name
inline constexpr int kLanguageCodeMessageId = 319;  // its code; follows the name in the text block

// OK and Cancel of the small dialogs (the setup dialog has texts of its own).
inline constexpr int kOkButtonMessageId = 340;
inline constexpr int kCancelButtonMessageId = 338;
// Default of the setup dialog and of the configuration paths dialog.
inline constexpr int kDefaultButtonMessageId = 328;

// The tooltip of a control whose setting the site locks: "%s" the site file.
inline constexpr int kSiteLockedMessageId = 16300;

// Texts that the settings need but that no dialog names, under ids of our
// own choosing.
inline constexpr int kDefaultMachineTypeNameMessageId = 16850;  // the type made when none exists
inline constexpr int kMillingWordMessageId = 16851;             // in NC filter names
inline constexpr int kTurningWordMessageId = 16852;
inline constexpr int kDefaultMacroGroupMessageId = 16853;
inline constexpr int kFileWordMessageId = 16854;       // in file type names of the associations
inline constexpr int kTypeFileErrorMessageId = 16855;  // a machine type file not made or moved: "%s" the file
// The edit commands of the context menu of the pattern fields.
inline constexpr int kUndoMessageId = 16860;
inline constexpr int kCutMessageId = 16861;
inline constexpr int kCopyMessageId = 16862;
inline constexpr int kPasteMessageId = 16863;
inline constexpr int kDeleteMessageId = 16864;
inline constexpr int kSelectAllMessageId = 16865;
// The tooltips of the two axis icons of the 5-axis dialog.
inline constexpr int kShowVectorsMessageId = 16866;
inline constexpr int kDeriveTypeMessageId = 16867;
// A file that a dialog's OK could not write: "%s" the file.
inline constexpr int kNotWrittenMessageId = 16882;

}  // namespace prefig
