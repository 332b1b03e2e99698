#pragma once
#include <string>

namespace prefig {
class GDncConfig;
class GMachineType;
class GPrefiguration;
}  // namespace prefig

namespace prefig::host {

// The Prefig module, loaded with dlopen as the editor loads it, and its exports.
class PrefigModule {
 public:
  PrefigModule() = default;
  ~PrefigModule();
  PrefigModule(const PrefigModule&) = delete;
  PrefigModule& operator=(const PrefigModule&) = delete;

  // Loads Prefig.so from the plug-in directory; false with a reason when it cannot.
  bool Load(std::string* error);
  const std::string& Path() const { return path_; }

  int DllInit(const char* const* message_table) const;
  int DllVersion() const;
  bool CheckCfgPass(const char* password) const;
  int RunSetup(int start_page, GMachineType** list_out, int* count_out, GPrefiguration* record,
               GDncConfig* dnc_config) const;
  // `definition` in and, after OK, out; true after OK.
  bool Run5AxisMchSetup(std::string& definition, GPrefiguration* record) const;

 private:
  void* Function(const char* name) const;

  void* handle_ = nullptr;
  std::string path_;
};

}  // namespace prefig::host
