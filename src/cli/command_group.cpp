#include <algorithm>
#include <cstring>
#include <vector>

#include "cli/cli_common.h"

namespace prefig::cli {
namespace {

struct Entry {
  const char* name;
  AddCommands add;
};

std::vector<Entry>& Groups() {
  static std::vector<Entry> groups;
  return groups;
}

}  // namespace

CommandGroup::CommandGroup(const char* name, AddCommands add) { Groups().push_back({name, add}); }

void AddAllCommandGroups(CLI::App& app, int& exit_code) {
  // Registration order depends on the link; the help lists groups by name.
  std::vector<Entry> groups = Groups();
  std::sort(groups.begin(), groups.end(),
            [](const Entry& a, const Entry& b) { return std::strcmp(a.name, b.name) < 0; });
  for (const Entry& group : groups) group.add(app, exit_code);
}

}  // namespace prefig::cli
