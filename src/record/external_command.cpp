#include "record/external_command.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "record/setting_values.h"
#include "schema/external_commands.h"

namespace prefig {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string TrimmedCommandText(std::string_view text) {
  size_t start = 0;
  size_t end = text.size();
  while (start < end && IsBlank(text[start])) ++start;
  while (end > start && IsBlank(text[end - 1])) --end;
  return std::string(text.substr(start, end - start));
}

bool NamesTheFile(const std::string& word) {
  std::string upper = word;
  std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
  for (const char* placeholder : {"$FILE", "$OUTFILE", "$PATH"}) {
    if (upper.find(placeholder) != std::string::npos) return true;
  }
  return false;
}

// Words split at blanks outside double quotes.
std::vector<std::string> CommandWords(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false;
  bool in_word = false;
  for (char c : text) {
    if (c == '"') quoted = !quoted;
    if (IsBlank(c) && !quoted) {
      if (in_word) words.push_back(std::move(word));
      word.clear();
      in_word = false;
      continue;
    }
    word += c;
    in_word = true;
  }
  if (in_word) words.push_back(std::move(word));
  return words;
}

}  // namespace

std::string NormalizeCommandParameters(std::string_view parameters) {
  std::string joined;
  for (std::string& word : CommandWords(parameters)) {
    bool inner_quote = word.size() > 2 && word.substr(1, word.size() - 2).find('"') != std::string::npos;
    if (NamesTheFile(word) && !inner_quote) {
      if (word.front() != '"') word.insert(word.begin(), '"');
      if (word.size() == 1 || word.back() != '"') word += '"';
    }
    if (!joined.empty()) joined += ' ';
    joined += word;
  }
  return joined;
}

CommandState ExternalCommandState(const SettingValues& values, int command) {
  using namespace schema;
  if (TrimmedCommandText(values.Text(kExtTitle, command)).empty() ||
      TrimmedCommandText(values.Text(kExtExe, command)).empty()) {
    return CommandState::kNone;
  }
  return values.Text(kExtOutput, command).empty() ? CommandState::kWithoutOutput : CommandState::kWithOutput;
}

void NormalizeExternalCommands(SettingValues& values) {
  for (int command = 0; command < schema::kExternalCommands; ++command) {
    values.SetText(schema::kExtParam, NormalizeCommandParameters(values.Text(schema::kExtParam, command)), command);
  }
}

}  // namespace prefig
