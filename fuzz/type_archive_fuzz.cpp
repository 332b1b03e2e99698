// A machine type archive on import, from arbitrary bytes: read as a zip
// file, or (first byte 'M') taken as members "NAME\n" + data separated by
// lines "%%" and written as an archive first, which must read back as it was
// written. Reading must not crash and must give members with names that
// stay below their folder and sizes within the limit; the import's plan must
// place every file below its folder, and the type's file must carry the
// identity the import gives it.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <sys/stat.h>

#include "context/utf8.h"
#include "record/five_axis_files.h"
#include "record/type_archive.h"
#include "record/type_import.h"
#include "work_dir.h"

namespace {

using namespace prefig;
using fuzz::WorkDir;

[[noreturn]] void Fail(const char* what, const std::string& detail) {
  fprintf(stderr, "%s: %s\n", what, detail.c_str());
  abort();
}

std::vector<ArchiveMember> MembersOf(std::string_view text) {
  std::vector<ArchiveMember> members;
  while (!text.empty() && members.size() < 8) {
    size_t end = text.find("\n%%\n");
    std::string_view part = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 4);
    size_t line = part.find('\n');
    std::string name(part.substr(0, line));
    bool known = false;
    for (const ArchiveMember& member : members) known |= member.name == name;
    if (name.empty() || known || name.find('\0') != std::string::npos) continue;  // a zip name ends at NUL
    members.push_back({name, std::string(line == std::string_view::npos ? "" : part.substr(line + 1))});
  }
  return members;
}

bool IsUtf8(std::string_view text) {
  for (size_t pos = 0, n; pos < text.size(); pos += n) {
    if ((n = Utf8SequenceLength(text, pos)) == 0) return false;
  }
  return true;
}

// The configuration folders an archive's files may go to.
const std::vector<PathTable::Entry>& Folders() {
  static const std::vector<PathTable::Entry> folders = [] {
    std::string config = WorkDir() + "/config";
    mkdir(config.c_str(), 0700);
    mkdir((config + "/DATA").c_str(), 0700);
    return std::vector<PathTable::Entry>{{"DATA", config + "/DATA"}, {"TEMPLATES", config + "/Templates"}};
  }();
  return folders;
}

void Import(const std::vector<ArchiveMember>& members) {
  std::string error;
  std::optional<TypeImportPlan> plan = PlanTypeImport(members, Folders(), error);
  if (!plan) {
    if (error.empty()) Fail("a refused import says nothing", "");
    return;
  }
  for (const TypeImportPlan::Carried& carried : plan->files) {
    bool below = false;
    for (const PathTable::Entry& folder : Folders()) {
      below |= carried.path.size() > folder.value.size() + 1 && carried.path.starts_with(folder.value + "/");
    }
    if (!below) Fail("a carried file outside the folders", carried.path);
  }
  if (plan->five_axis) {
    for (const FiveAxisRecord& record : ParseFiveAxisLines(plan->five_axis->data)) {
      if (!ParseFiveAxisRecord(FormatFiveAxisRecord(record))) Fail("a 5-axis record that reads once", record.name);
    }
  }
  std::string text = plan->type->data;
  std::string description = ImportedValue(text, "GENERAL", "DESCRIPTION") + " (2)";
  SetImportedValue(text, "GENERAL", "TYPENAME", "MT0042");
  SetImportedValue(text, "GENERAL", "DESCRIPTION", description);
  SetImportedValue(text, "GENERAL", "LOADORDER", "3");
  if (ImportedValue(text, "GENERAL", "TYPENAME") != "MT0042" || ImportedValue(text, "GENERAL", "LOADORDER") != "3") {
    Fail("the imported type lost its new identity", text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 65536) return 0;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string file = WorkDir() + "/type.zip";
  std::vector<ArchiveMember> written;
  bool made = !bytes.empty() && bytes.front() == 'M';
  if (made) {
    written = MembersOf(bytes.substr(1));
    if (written.empty()) {
      if (WriteTypeArchive(file, written).empty()) Fail("an archive of no member was written", file);
      return 0;
    }
    if (!WriteTypeArchive(file, written).empty()) {
      // Zip names are UTF-8, and an export writes only names that can be
      // placed: others may be refused.
      for (const ArchiveMember& member : written) {
        if (!IsUtf8(member.name) || WhyUnsafeMemberName(member.name)) return 0;
      }
      Fail("an archive could not be written", file);
    }
  } else {
    fuzz::WriteText(file, bytes);
  }
  std::string error;
  auto members = ReadTypeArchive(file, error);
  if (!members) {
    bool safe = true;
    for (const ArchiveMember& member : written) safe &= !WhyUnsafeMemberName(member.name);
    if (made && safe && written.size() <= kArchiveMembersMax) Fail("a written archive does not read", error);
    return 0;
  }
  if (members->size() > kArchiveMembersMax) abort();
  for (const ArchiveMember& member : *members) {
    if (WhyUnsafeMemberName(member.name) || member.data.size() > kArchiveMemberMax) abort();
  }
  if (made) {
    bool same = members->size() == written.size();
    for (size_t i = 0; same && i < written.size(); ++i) {
      same = (*members)[i].name == written[i].name && (*members)[i].data == written[i].data;
    }
    if (!same) Fail("an archive reads back other members", file);
  }
  Import(*members);
  return 0;
}
