#include "pages/global/mazak_view.h"

#include <array>
#include <string>

#include "ini/ini_text.h"
#include "record/prefiguration.h"

namespace prefig {
namespace {

constexpr int kMazakTitleId = 1126;
constexpr int kMazakFontGroupId = 1150;
constexpr int kOtherLanguageId = 1129;
constexpr int kOwnLanguageNameId = 318;
constexpr int kOwnLanguageCodeId = 319;
constexpr int kOtherLanguageNumber = 100;

// The viewer's languages by number; a language shows its own name when the
// interface speaks it.
struct ViewerLanguage {
  const char* name;
  std::array<const char*, 2> codes;
};
constexpr std::array<ViewerLanguage, 6> kViewerLanguages{{
    {"English", {nullptr, nullptr}},
    {"Nordic / Nordisk", {nullptr, nullptr}},
    {"German", {"de-DE", nullptr}},
    {"French", {"fr-FR", nullptr}},
    {"Chinese", {"zh-CN", nullptr}},
    {"Japanese", {"ja-JP", "jp2"}},
}};
constexpr int kOtherLanguageEntry = static_cast<int>(kViewerLanguages.size());

}  // namespace

bool IsJapaneseCode(std::string_view code) {
  std::string_view language = code.substr(0, code.find_first_of("-_"));
  return ini::SameName(language, "ja") || ini::SameName(language, "jp") || ini::SameName(language, "jp2");
}

DSetupMazakView::DSetupMazakView() : WPrefigBase(kMazakTitleId, schema::kMazakViewPage) {
  using namespace layout;
  SetLayout(Column{
      Group{kMazakTitleId, {Form{decimals_, language_, show_tpc_}}},
      Group{kMazakFontGroupId, {font_}},
      Stretch{},
  });
}

void DSetupMazakView::OnLoad(bool first_time) {
  if (first_time) {
    std::string interface_code = MessageString(kOwnLanguageCodeId);
    language_.RemoveAll();
    for (const ViewerLanguage& language : kViewerLanguages) {
      bool spoken = false;
      for (const char* code : language.codes)
        spoken = spoken || (code != nullptr && ini::SameName(code, interface_code));
      language_.AddText(spoken ? MessageString(kOwnLanguageNameId) : std::string(language.name));
    }
    language_.AddText(MessageString(kOtherLanguageId));
  }
  GPrefiguration* record = Record();
  if (record == nullptr) return;
  // A number between the named languages and 100 names none of them either.
  int number = record->Global().Values().Int(schema::kMazakLang);
  language_.Select(number >= 0 && number < kOtherLanguageEntry ? number : kOtherLanguageEntry);
}

// The binding wrote the entry's index in its place among the keys; the last
// entry's number replaces it there.
void DSetupMazakView::OnSave() {
  GPrefiguration* record = Record();
  if (record == nullptr || language_.Selected() != kOtherLanguageEntry) return;
  SettingValues& values = record->Global().Values();
  values.SetInt(schema::kMazakLang, kOtherLanguageNumber);
  values.Save(*record, schema::kMazakLang);
}

// The stored codes are normalised ("ja-JP"), so Japanese is told by its
// language part, not by the code "jp" alone.
void DSetupMazakView::OnDefaults() {
  GPrefiguration* record = Record();
  if (record == nullptr || !IsJapaneseCode(record->Language())) return;
  FontDescription font = font_.Font();
  font.face_name = schema::kMazakJapaneseFace;
  font_.SetFont(font);
}

}  // namespace prefig
