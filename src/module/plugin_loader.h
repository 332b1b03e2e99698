#pragma once
#include <string>
#include <string_view>

namespace prefig {

inline constexpr const char* kPluginDirectoryName = "Dll";

// Loads a plug-in library and runs its DllInit with the module's message
// table. Tried in order: <base>/Dll/<name> (with a base directory), the name
// alone (the system's search order), FindDllDirectory()/<name>. Returns the
// handle, or null after a log line.
void* LoadPluginDll(std::string_view file_name, std::string_view base_directory);
void FreePluginDll(void* handle);

// Where the program's plug-ins lie: <program dir>/Dll, else <program dir>/../Dll,
// else the program directory itself.
std::string FindDllDirectory();
std::string FindDllDirectory(std::string_view program_directory);

// One plug-in library, loaded on first use and freed with the object.
class GDll {
 public:
  GDll(std::string_view file_name, std::string_view base_directory, bool quiet);
  virtual ~GDll();
  GDll(const GDll&) = delete;
  GDll& operator=(const GDll&) = delete;

  // The address of an exported function, or null. Unless quiet, a failure is
  // shown in a message box. A failed load is tried again on the next call.
  void* GetFunction(const char* name);
  template <typename Function>
  Function Get(const char* name) {
    return reinterpret_cast<Function>(GetFunction(name));
  }

 private:
  void* handle_ = nullptr;
  std::string file_name_;
  std::string base_directory_;
  bool quiet_;
};

// Runs the folder chooser of the FileDirSelector plug-in on `path` (a buffer
// of kSelectDirectoryPathSize bytes, edited in place). True when a folder was
// chosen; false, with the buffer unchanged, when the plug-in is missing.
bool SelectDirectory(std::string_view base_directory, char* path, int flag, int value);

}  // namespace prefig
