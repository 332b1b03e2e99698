// A program that saves through the setup dialog's OK, for the test that
// kills it in the middle: `save_driver DIR` starts the record on the
// program directory DIR as the host does, gives every machine type the next
// COLINDICATOR, says "ready" and presses OK; it prints "saved" after. With
// no other argument than DIR it only starts and ends the record.
#include <cstdio>
#include <cstring>
#include <string>

#include "context/config_path_handler.h"
#include "module/module_state.h"
#include "pages/editor_setup_main.h"
#include "pages/scripted_services.h"
#include "pages/setup_session.h"
#include "record/prefiguration.h"
#include "schema/machine_general.h"

int main(int argc, char** argv) {
  using namespace prefig;
  if (argc < 2) return 2;
  const std::string program = std::string(argv[1]) + "/prefig-host";
  ConfigPaths().SetProgramFile(program);
  ScopedScriptedServices services;
  GPrefiguration record;
  record.SetProgram({program}, program);
  if (record.InitDnc(kMainIniName, true) != GConfiguration::kInitDone) return 3;
  Module().record = &record;
  if (argc > 2 && std::strcmp(argv[2], "save") == 0) {
    DEditorSetupMain dialog(FeatureSwitchesOf(record), false);
    dialog.Open(1);
    GMachineList& types = record.MachineTypes();
    int next = types.At(0).Values().Int(schema::kColIndicator) % 999 + 1;
    for (GMachineType* type : SetupSession().working_types) {
      type->Values().SetInt(schema::kColIndicator, next);
      type->SetChanged();
    }
    std::printf("ready\n");
    std::fflush(stdout);
    dialog.Ok();
    std::printf("saved\n");
    std::fflush(stdout);
  }
  Module().record = nullptr;
  return 0;
}
