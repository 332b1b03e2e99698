#include "context/message_source.h"

#include <charconv>

#include "context/utf8.h"
#include "ini/ini_text.h"
#include "module/module_state.h"

namespace prefig {
namespace {

bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

// The text of one line with its escapes undone, or an error.
bool Unescape(std::string_view in, std::string& out, std::string& why) {
  for (size_t i = 0; i < in.size();) {
    unsigned char c = static_cast<unsigned char>(in[i]);
    if (c == '\\') {
      if (i + 1 >= in.size()) return why = "backslash at the end of the text", false;
      char kind = in[i + 1];
      switch (kind) {
        case '\\': out.push_back('\\'); break;
        case 'n': out.push_back('\n'); break;
        case 't': out.push_back('\t'); break;
        case 'r': out.push_back('\r'); break;
        case 'x': {
          int high = i + 2 < in.size() ? ini::HexDigit(in[i + 2]) : -1;
          int low = i + 3 < in.size() ? ini::HexDigit(in[i + 3]) : -1;
          if (high < 0 || low < 0) return why = "\\x needs two hexadecimal digits", false;
          if (high == 0 && low == 0) return why = "\\x00 cannot be part of a text", false;
          out.push_back(static_cast<char>(high * 16 + low));
          i += 4;
          continue;
        }
        default: return why = std::string("unknown escape \\") + kind, false;
      }
      i += 2;
    } else if (IsControl(c)) {
      return why = "control character in the text (write it as an escape)", false;
    } else {
      size_t length = Utf8SequenceLength(in, i);
      if (length == 0) return why = "not UTF-8 (write other bytes as \\xHH)", false;
      out.append(in.substr(i, length));
      i += length;
    }
  }
  return true;
}

void AppendHex(std::string& out, unsigned char c) {
  static const char kDigits[] = "0123456789ABCDEF";
  out += "\\x";
  out.push_back(kDigits[c >> 4]);
  out.push_back(kDigits[c & 0x0F]);
}

}  // namespace

std::optional<MessageTexts> ParseMessageSource(std::string_view source, std::string* error) {
  MessageTexts texts;
  size_t line_number = 0;
  auto fail = [&](const std::string& why) -> std::optional<MessageTexts> {
    if (error) *error = "line " + std::to_string(line_number) + ": " + why;
    return std::nullopt;
  };
  while (!source.empty()) {
    ++line_number;
    size_t end = source.find('\n');
    if (end == std::string_view::npos) return fail("the last line has no line feed");
    std::string_view line = source.substr(0, end);
    source.remove_prefix(end + 1);

    size_t tab = line.find('\t');
    if (tab == std::string_view::npos) return fail("expected a message id, a tab and the text");
    std::string_view number = line.substr(0, tab);
    uint32_t id = 0;
    auto [rest, status] = std::from_chars(number.data(), number.data() + number.size(), id);
    if (number.empty() || status != std::errc() || rest != number.data() + number.size() ||
        (number.size() > 1 && number[0] == '0')) {
      return fail("'" + std::string(number) + "' is not a message id");
    }
    if (id >= static_cast<uint32_t>(kMessageIdLimit)) {
      return fail("message id " + std::to_string(id) + " is not below " + std::to_string(kMessageIdLimit));
    }
    if (!texts.empty() && id <= texts.rbegin()->first) {
      return fail("message id " + std::to_string(id) + " does not follow " + std::to_string(texts.rbegin()->first));
    }
    std::string text, why;
    if (!Unescape(line.substr(tab + 1), text, why)) return fail(why);
    if (text.empty()) return fail("message id " + std::to_string(id) + " has no text (leave the line out)");
    texts.emplace(id, std::move(text));
  }
  return texts;
}

std::string FormatMessageSource(const MessageTexts& texts) {
  std::string out;
  for (const auto& [id, text] : texts) {
    if (text.empty()) continue;
    out += std::to_string(id);
    out.push_back('\t');
    for (size_t i = 0; i < text.size();) {
      unsigned char c = static_cast<unsigned char>(text[i]);
      if (c == '\\') {
        out += "\\\\";
      } else if (c == '\n') {
        out += "\\n";
      } else if (c == '\t') {
        out += "\\t";
      } else if (c == '\r') {
        out += "\\r";
      } else if (IsControl(c)) {
        AppendHex(out, c);
      } else if (size_t length = Utf8SequenceLength(text, i); length > 0) {
        out.append(text, i, length);
        i += length;
        continue;
      } else {
        AppendHex(out, c);
      }
      ++i;
    }
    out.push_back('\n');
  }
  return out;
}

}  // namespace prefig
