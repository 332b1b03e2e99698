#include "controls/file_name_field.h"

#include <deque>

namespace prefig {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

struct PathParts {
  std::string root;
  std::deque<std::string> folders;
  std::string name;
  char separator = '/';
  bool dots = false;

  std::string Text() const {
    std::string text = " " + root;
    if (dots) text += std::string("...") + separator;
    for (const std::string& folder : folders) text += folder + separator;
    return text + name;
  }
};

PathParts Split(std::string_view path) {
  PathParts parts;
  size_t first = path.find_first_of("\\/");
  if (first != std::string_view::npos) parts.separator = path[first];
  size_t rest = 0;
  if (path.size() >= 3 && path[1] == ':' && IsSeparator(path[2])) {
    rest = 3;
  } else if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    size_t server_end = path.find_first_of("\\/", 2);
    rest = server_end == std::string_view::npos ? path.size() : server_end + 1;
  } else if (!path.empty() && IsSeparator(path[0])) {
    rest = 1;
  }
  parts.root = path.substr(0, rest);
  std::string_view tail = path.substr(rest);
  while (true) {
    size_t separator = tail.find_first_of("\\/");
    if (separator == std::string_view::npos) break;
    parts.folders.emplace_back(tail.substr(0, separator));
    tail.remove_prefix(separator + 1);
  }
  parts.name = tail;
  return parts;
}

}  // namespace

std::string ShortenPath(std::string_view path, int width, const TextMeasure& measure) {
  PathParts parts = Split(path);
  auto fits = [&] { return measure(parts.Text()) <= width; };
  if (fits()) return parts.Text();
  if (!parts.folders.empty()) {
    parts.folders.pop_front();
    parts.dots = true;
    if (fits()) return parts.Text();
  }
  while (!parts.folders.empty()) {
    parts.folders.pop_front();
    if (fits()) return parts.Text();
  }
  if (!parts.root.empty()) {
    parts.root.clear();
    if (fits()) return parts.Text();
  }
  if (parts.dots) {
    parts.dots = false;
    if (fits()) return parts.Text();
  }
  std::string name = parts.name;
  while (name.size() >= 2) {
    name.pop_back();
    parts.name = name + "...";
    if (fits()) break;
  }
  return parts.Text();
}

WFileNameField::WFileNameField(ControlOwner* owner, int label_id, Help help)
    : WControl(owner, ControlKind::kFileName, help) {
  MakeLabel(label_id);
}

}  // namespace prefig
