#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace prefig {

class ModalDialog;
class WControl;

enum class MessageIcon { kNone, kStop, kQuestion, kExclamation, kInformation };
enum class MessageButtons { kOk, kOkCancel, kYesNo, kYesNoCancel };
enum class MessageOwner {
  kNone,        // no owner window
  kDialog,      // the dialog or page that asks
  kHostWindow,  // the host's main window, modal for the whole task
};

// Message ids of the two captions.
inline constexpr int kErrorCaptionId = 330;
inline constexpr int kNoticeCaptionId = 332;  // questions and notices

// Dialog end codes as the host understands them.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

struct MessageBoxRequest {
  std::string text;
  int caption_id = 0;  // message id of the caption (kErrorCaptionId or kNoticeCaptionId)
  MessageIcon icon = MessageIcon::kNone;
  MessageButtons buttons = MessageButtons::kOk;
  MessageOwner owner = MessageOwner::kDialog;
};

// A help text beside a control. A text that begins with "<" is mark-up and
// is laid out 400 pixels wide, any other text 600.
struct TooltipRequest {
  std::string text;
  int width = 600;
  const WControl* control = nullptr;
};
inline constexpr int kMarkupTooltipWidth = 400;
inline constexpr int kPlainTooltipWidth = 600;

// The hover help pop-up: at the mouse's horizontal position, 15 pixels below
// the control (at the mouse when there is no control), margins 10.
struct HelpPopupRequest {
  std::string text;
  const WControl* control = nullptr;
};
inline constexpr int kHelpPopupOffset = 15;
inline constexpr int kHelpPopupMargin = 10;

struct ColorRequest {
  uint32_t color = 0;  // 0xAARRGGBB
  bool with_alpha = false;
};

// A font as the chooser shows it: the face, the height in the stored
// record's logical units (negative: the character height, positive: the
// cell height, 0: the face's own), the weight (100 to 900, 0 for normal) and
// italic.
struct FontRequest {
  std::string face;
  int height = 0;
  int weight = 0;
  bool italic = false;
};

// A font as a script answers the chooser: "FACE,HEIGHT,WEIGHT,ITALIC"
// ("Liberation Sans,-13,700,1"; the face may hold commas). False, leaving
// `font` alone, for a text that does not read so.
bool ReadFontAnswer(std::string_view text, FontRequest& font);

struct FileRequest {
  int caption_id = 0;
  std::string path;                  // the start, and the answer
  std::vector<std::string> filters;  // "NC programs (*.nc *.tap)"
  bool save = false;
};

struct FolderRequest {
  int caption_id = 0;
  std::string path;  // the start, and the answer
};

// A one-line question: the label and the answer.
struct PromptRequest {
  int caption_id = 0;
  int label_id = 0;
  std::string text;  // the start, and the answer
  size_t maximum_length = 255;
};

// Everything modal or outside the module goes through here: the Qt view
// implements it for real, tests script it.
class Services {
 public:
  virtual ~Services() = default;
  virtual int MessageBox(const MessageBoxRequest& request) = 0;
  // The host's main window: Send waits for the answer, Post queues.
  virtual intptr_t SendToHost(uint32_t message, uintptr_t wparam, intptr_t lparam) = 0;
  virtual void PostToHost(uint32_t message, uintptr_t wparam, intptr_t lparam) = 0;

  // Runs a dialog model until it ends; returns its end code.
  virtual int RunModal(ModalDialog& dialog) = 0;
  // The choosers and the prompt: true when the user confirmed; the request
  // then holds the answer.
  virtual bool ChooseColor(ColorRequest& request) = 0;
  virtual bool ChooseFont(FontRequest& request) = 0;
  virtual bool ChooseFile(FileRequest& request) = 0;
  virtual bool ChooseFolder(FolderRequest& request) = 0;
  virtual bool Prompt(PromptRequest& request) = 0;
  virtual void ShowTooltip(const TooltipRequest& request) = 0;
  virtual void ShowHelpPopup(const HelpPopupRequest& request) = 0;
  // The toolkit's own help, when the host did not show any.
  virtual void ShowToolkitHelp(std::string_view topic, uint32_t command) = 0;
  // Opens a document with the desktop's default application; false when
  // that could not be started.
  virtual bool OpenDocument(const std::string& path);
};

// The desktop's opener, started with the path as its one argument.
inline constexpr char kDocumentOpener[] = "xdg-open";

// The installed services; until something is installed, a headless set that
// logs message boxes and answers each with its safe choice (OK, Cancel or
// No), cancels every dialog and chooser, and shows nothing.
Services& GetServices();
void SetServices(Services* services);  // null restores the headless set

}  // namespace prefig
