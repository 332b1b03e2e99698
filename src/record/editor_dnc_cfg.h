#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "context/configuration.h"
#include "record/machine_list.h"
#include "record/protocol_list.h"

namespace prefig {

class GDncConfig;
class MessageTranslator;

// The DNC side of the configuration record: the protocol list and the
// machine types, on top of the run-time context. The virtual operations of
// the record's chain, in slot order: Init (the run-time context), Destroy,
// InitDnc, InitDncConfig.
class GEditorDNCCfg : public GConfiguration {
 public:
  GEditorDNCCfg();
  ~GEditorDNCCfg() override;

  // Releases the machine types and protocols.
  virtual void Destroy();
  // Init, then the protocol list (Protocols/ beside the program) and the
  // machine type list (TYPES). Returns Init's result: kInitDone when the
  // record is ready, otherwise nothing past the context was loaded.
  virtual int InitDnc(std::string_view ini_name, bool use_path_table);
  // The host's DNC configuration object: attached to DNCClient.ini beside
  // the main INI file and read.
  virtual void InitDncConfig(GDncConfig& config);

  GProtocolList& Protocols() { return protocols_; }
  // What loading the protocol list gave: their number, or
  // GProtocolList::kNoProtocols.
  int ProtocolResult() const { return protocol_result_; }
  GMachineList& MachineTypes() { return machine_types_; }
  const GMachineList& MachineTypes() const { return machine_types_; }
  // Whether InitDnc succeeded (and Destroy has not run since).
  bool IsDncReady() const { return dnc_ready_; }

  // Where the record's settings files lie, after Init.
  std::string TypesDirectory() const;
  std::string DataDirectory() const;
  // What loading a machine type needs from the run-time context.
  TypeContext MachineTypeContext() const;
  LoadContext SettingsContext() const;

 protected:
  bool use_path_table_ = true;
  bool dnc_ready_ = false;

 private:
  GProtocolList protocols_;
  int protocol_result_ = 0;
  GMachineList machine_types_;
  std::shared_ptr<MessageTranslator> translator_;
};

}  // namespace prefig
