#include "platform/key_file.h"

namespace prefig::platform::key_file {
namespace {

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

struct Line {
  std::string_view text;  // without its line feed
  enum Kind { kBlank, kComment, kGroup, kEntry, kOther } kind = kOther;
  std::string_view name;   // group name or key
  std::string_view value;  // entry value
};

Line Classify(std::string_view text) {
  Line line;
  line.text = text;
  std::string_view t = TrimBlanks(text);
  if (t.empty()) {
    line.kind = Line::kBlank;
  } else if (t.front() == '#') {
    line.kind = Line::kComment;
  } else if (t.front() == '[' && t.back() == ']') {
    line.kind = Line::kGroup;
    line.name = t.substr(1, t.size() - 2);
  } else if (size_t equals = t.find('='); equals != std::string_view::npos) {
    line.kind = Line::kEntry;
    line.name = TrimBlanks(t.substr(0, equals));
    line.value = TrimBlanks(t.substr(equals + 1));
  }
  return line;
}

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  while (!text.empty()) {
    size_t end = text.find('\n');
    lines.push_back(Classify(text.substr(0, end)));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) {
    out += line;
    out += '\n';
  }
  return out;
}

// The lines [header, end) of every group with this name: a file that
// repeats a group is read as if it were one.
struct GroupSpan {
  size_t header = 0;
  size_t end = 0;
};
std::vector<GroupSpan> FindGroups(const std::vector<Line>& lines, std::string_view group) {
  std::vector<GroupSpan> spans;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].kind != Line::kGroup || lines[i].name != group) continue;
    GroupSpan span{i, i + 1};
    while (span.end < lines.size() && lines[span.end].kind != Line::kGroup) ++span.end;
    spans.push_back(span);
  }
  return spans;
}

std::vector<std::string> Texts(const std::vector<Line>& lines) {
  std::vector<std::string> out;
  for (const Line& line : lines) out.emplace_back(line.text);
  return out;
}

}  // namespace

std::optional<std::string> Value(std::string_view text, std::string_view group, std::string_view key) {
  std::vector<Line> lines = SplitLines(text);
  for (const GroupSpan& span : FindGroups(lines, group)) {
    for (size_t i = span.header + 1; i < span.end; ++i) {
      if (lines[i].kind == Line::kEntry && lines[i].name == key) return std::string(lines[i].value);
    }
  }
  return std::nullopt;
}

bool SetValue(std::string& text, std::string_view group, std::string_view key, std::string_view value) {
  std::vector<Line> lines = SplitLines(text);
  std::vector<std::string> out = Texts(lines);
  std::string entry = std::string(key) + "=" + std::string(value);
  std::vector<GroupSpan> spans = FindGroups(lines, group);
  for (const GroupSpan& span : spans) {
    for (size_t i = span.header + 1; i < span.end; ++i) {
      if (lines[i].kind == Line::kEntry && lines[i].name == key) {
        if (lines[i].text == entry) return false;
        out[i] = entry;
        text = Join(out);
        return true;
      }
    }
  }
  if (spans.empty()) {
    if (!out.empty() && lines.back().kind != Line::kBlank) out.emplace_back();
    out.push_back("[" + std::string(group) + "]");
    out.push_back(entry);
  } else {
    size_t after = spans.front().header + 1;
    for (size_t i = after; i < spans.front().end; ++i) {
      if (lines[i].kind != Line::kBlank) after = i + 1;
    }
    out.insert(out.begin() + static_cast<ptrdiff_t>(after), entry);
  }
  text = Join(out);
  return true;
}

bool RemoveValue(std::string& text, std::string_view group, std::string_view key) {
  std::vector<Line> lines = SplitLines(text);
  std::vector<bool> drop(lines.size(), false);
  bool any = false;
  for (const GroupSpan& span : FindGroups(lines, group)) {
    bool removed = false, others = false;
    for (size_t i = span.header + 1; i < span.end; ++i) {
      if (lines[i].kind == Line::kEntry && lines[i].name == key) {
        drop[i] = removed = true;
      } else if (lines[i].kind != Line::kBlank) {
        others = true;
      }
    }
    if (!removed || others) {
      any |= removed;
      continue;
    }
    any = true;
    // The group goes with its blank lines; when it was the last group, so
    // do the blank lines that set it apart from the one before.
    size_t first = span.header;
    if (span.end == lines.size()) {
      while (first > 0 && lines[first - 1].kind == Line::kBlank) --first;
    }
    for (size_t i = first; i < span.end; ++i) drop[i] = true;
  }
  if (!any) return false;
  std::vector<std::string> out;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!drop[i]) out.emplace_back(lines[i].text);
  }
  text = Join(out);
  return true;
}

std::vector<std::string> SplitList(std::string_view value) {
  std::vector<std::string> items;
  while (!value.empty()) {
    size_t semicolon = value.find(';');
    std::string_view item = TrimBlanks(value.substr(0, semicolon));
    if (!item.empty()) items.emplace_back(item);
    if (semicolon == std::string_view::npos) break;
    value.remove_prefix(semicolon + 1);
  }
  return items;
}

std::string JoinList(const std::vector<std::string>& items) {
  std::string out;
  for (const std::string& item : items) out += item + ";";
  return out;
}

}  // namespace prefig::platform::key_file
