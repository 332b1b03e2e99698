#include "record/protocol_list.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <filesystem>

#include "ini/ini_file.h"
#include "ini/ini_text.h"
#include "module/plugin_loader.h"
#include "module/protocol_abi.h"
#include "platform/module_log.h"
#include "schema/protocols.h"

namespace prefig {
namespace {

using namespace schema;
namespace fs = std::filesystem;

std::vector<std::string> FindLibraries(const std::string& directory) {
  std::vector<std::string> files;
  std::error_code error;
  for (fs::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
    if (static_cast<int>(files.size()) >= GProtocolList::kMax) break;
    std::error_code type_error;
    if (it->is_regular_file(type_error) && ini::SameName(it->path().extension().string(), kProtocolExtension)) {
      files.push_back(it->path().string());
    }
  }
  return files;
}

std::string Key(const Setting& s, int index) { return KeyName(s, index); }

std::string ReadText(GIniFile& main, const Setting& s, int index) {
  return main.GetString(s.section, Key(s, index), std::string_view(), s.length);
}

int ReadInt(GIniFile& main, const Setting& s, int index) {
  return main.GetInt(s.section, Key(s, index), ini::DecodeInt(s.loader), static_cast<int>(s.min),
                     static_cast<int>(s.max));
}

// Asks one library for its name, description and version; false when it
// does not load or does not qualify.
bool AskLibrary(const std::string& path, Protocol& protocol) {
  void* handle = LoadPluginDll(path, {});
  if (!handle) return false;
  bool accepted = false;
  if (auto info = reinterpret_cast<ProtocolInfoFunction>(::dlsym(handle, kProtocolInfoExport))) {
    char name[kProtocolNameBufferSize] = "";
    char description[kProtocolDescriptionBufferSize] = "";
    int version = info(name, sizeof name, description, sizeof description);
    name[sizeof name - 1] = '\0';
    description[sizeof description - 1] = '\0';
    protocol.name = std::string(name).substr(0, kProtocolName.length);
    protocol.description = std::string(description).substr(0, kProtocolDesc.length);
    protocol.version = version;
    accepted = !protocol.name.empty() && !protocol.description.empty() && version >= kProtocolMinimumVersion;
  }
  FreePluginDll(handle);
  return accepted;
}

}  // namespace

int LibraryTimeStamp(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return 0;
  uint64_t nanoseconds =
      static_cast<uint64_t>(st.st_mtim.tv_sec) * 1000000000u + static_cast<uint64_t>(st.st_mtim.tv_nsec);
  return static_cast<int>(((nanoseconds >> 32) ^ (nanoseconds & 0xFFFFFFFFu)) & 0x7FFFFFFFu);
}

bool GProtocolList::ReuseStored(GIniFile& main, const std::vector<std::string>& files) {
  if (!main.KeyExists(kProtocolCount.section, kProtocolCount.key) ||
      ReadInt(main, kProtocolCount, 0) != static_cast<int>(files.size())) {
    return false;
  }
  for (size_t i = 0; i < files.size(); ++i) {
    int index = static_cast<int>(i);
    if (!main.KeyExists(kProtocolTime.section, Key(kProtocolTime, index)) ||
        ReadInt(main, kProtocolTime, index) != LibraryTimeStamp(files[i]) ||
        !ini::SameName(ReadText(main, kProtocolDll, index), files[i])) {
      return false;
    }
  }
  for (size_t i = 0; i < files.size(); ++i) {
    int index = static_cast<int>(i);
    Protocol protocol;
    protocol.index = index;
    protocol.library = ReadText(main, kProtocolDll, index);
    protocol.description = ReadText(main, kProtocolDesc, index);
    protocol.name = ReadText(main, kProtocolName, index);
    protocol.time = ReadInt(main, kProtocolTime, index);
    protocol.version = ReadInt(main, kProtocolVer, index);
    protocols_.push_back(std::move(protocol));
  }
  return true;
}

void GProtocolList::Rebuild(GIniFile& main, const std::vector<std::string>& files) {
  rescanned_ = true;
  main.DeleteSection(kProtocolCount.section);
  for (size_t i = 0; i < files.size(); ++i) {
    Protocol protocol;
    if (files[i].size() > static_cast<size_t>(kProtocolDll.length) || !AskLibrary(files[i], protocol)) {
      LogLine("DNC   : Protocol skipped: %s", files[i].c_str());
      continue;
    }
    protocol.index = static_cast<int>(i);
    protocol.library = files[i];
    protocol.time = LibraryTimeStamp(files[i]);
    main.WriteString(kProtocolDll.section, Key(kProtocolDll, protocol.index), protocol.library);
    main.WriteString(kProtocolDesc.section, Key(kProtocolDesc, protocol.index), protocol.description);
    main.WriteString(kProtocolName.section, Key(kProtocolName, protocol.index), protocol.name);
    main.WriteInt(kProtocolTime.section, Key(kProtocolTime, protocol.index), protocol.time);
    main.WriteInt(kProtocolVer.section, Key(kProtocolVer, protocol.index), protocol.version);
    protocols_.push_back(std::move(protocol));
  }
  main.WriteInt(kProtocolCount.section, kProtocolCount.key, static_cast<int>(protocols_.size()));
}

int GProtocolList::Load(GIniFile& main, const std::string& protocols_directory, bool rescan) {
  protocols_.clear();
  rescanned_ = false;
  std::vector<std::string> files = FindLibraries(protocols_directory);
  if (files.empty()) return kNoProtocols;
  if (rescan || !ReuseStored(main, files)) {
    protocols_.clear();
    Rebuild(main, files);
  }
  return static_cast<int>(protocols_.size());
}

}  // namespace prefig
