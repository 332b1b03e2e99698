#pragma once
#include <string_view>

#include "record/editor_dnc_cfg.h"
#include "record/global_settings.h"
#include "record/nc_filter_table.h"

namespace prefig {

// The name the editor gives its main INI file (Prefig.ini in CFG).
inline constexpr char kMainIniName[] = "Prefig";

// The configuration record: the editor's every setting. It is its own main
// INI file (GConfiguration), holds the global settings of the global pages,
// the editing state and the NC filter table, and through GEditorDNCCfg the
// protocols and the machine types. The host creates it, runs InitDnc once, and destroys it,
// which writes the editing state.
class GPrefiguration : public GEditorDNCCfg {
 public:
  GPrefiguration() = default;
  ~GPrefiguration() override;

  // The DNC side, then the global settings of the main INI file (every key
  // completed with its default).
  int InitDnc(std::string_view ini_name, bool use_path_table) override;
  // After a successful InitDnc: writes the editing state (histories, search
  // and replace flags, view options, tool lists) into the main INI file in
  // one write, then releases the machine types. Runs once.
  void Destroy() override;

  GlobalSettings& Global() { return global_; }
  const GlobalSettings& Global() const { return global_; }
  // Empty until the setup dialog fills it.
  GNcFilterTable& NcFilters() { return nc_filters_; }
  const GNcFilterTable& NcFilters() const { return nc_filters_; }

  // What the host keeps in the record for the editor and the setup dialog.
  struct HostFields {
    int current_machine_type = 0;  // the position in MachineTypes() that the machine-type pages edit
    bool notify_database = false;  // the host wants to hear of removed types that its program database stores
    void* window = nullptr;        // the window that hears it; null: none
    int text_metrics = 0;          // the editor's cached text metrics; 0 makes it measure again
    // Machine types can be stored in the NC program database only when both say so.
    bool quiver_connected = false;
    bool quiver_stores_types = false;
    // Set when the setup dialog added, renamed or removed a type, or saved
    // one that a page changed; the host clears it when it has taken notice.
    bool machine_types_changed = false;
    // The Backplot page asked the host to open its tool library.
    bool tool_library_requested = false;
  };
  HostFields& Host() { return host_; }

 private:
  GlobalSettings global_;
  GNcFilterTable nc_filters_;
  HostFields host_;
};

}  // namespace prefig
