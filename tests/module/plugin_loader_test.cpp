#include "module/plugin_loader.h"

#include <gtest/gtest.h>

#include <vector>

#include "module/module_state.h"
#include "module/plugin_abi.h"
#include "pages/scripted_services.h"

namespace prefig {
namespace {

constexpr const char* kBase = PREFIG_TEST_PLUGIN_BASE;

class PluginLoaderTest : public ::testing::Test {
 protected:
  std::vector<const char*> table = std::vector<const char*>(kMessageIdLimit, nullptr);
  ScopedScriptedServices services;
  void SetUp() override {
    table[kMarkerMessageId] = "***";
    Module() = ModuleState{};
    InitModule(table.data());
  }
  void TearDown() override { Module() = ModuleState{}; }
};

TEST_F(PluginLoaderTest, OnlyAPluginWhoseInitAcceptsStaysLoaded) {
  void* handle = LoadPluginDll("AcceptingPlugin.so", kBase);
  ASSERT_NE(handle, nullptr);
  FreePluginDll(handle);
  EXPECT_EQ(LoadPluginDll("RefusingPlugin.so", kBase), nullptr);
  EXPECT_EQ(LoadPluginDll("NoInitPlugin.so", kBase), nullptr);
  EXPECT_EQ(LoadPluginDll("Absent.so", kBase), nullptr);
  Module() = ModuleState{};  // no table: the plug-in refuses
  EXPECT_EQ(LoadPluginDll("AcceptingPlugin.so", kBase), nullptr);
}

TEST_F(PluginLoaderTest, GDllFindsFunctionsAndReportsFailuresUnlessQuiet) {
  GDll missing("Absent.so", kBase, false);
  EXPECT_EQ(missing.GetFunction("X"), nullptr);
  GDll present("AcceptingPlugin.so", kBase, false);
  EXPECT_NE(present.GetFunction("DllInit"), nullptr);
  EXPECT_EQ(present.GetFunction("NoSuchFunction"), nullptr);
  ASSERT_EQ(services.message_boxes.size(), 2u);
  EXPECT_EQ(services.message_boxes[0].text, "Could not load dll: Absent.so");
  EXPECT_EQ(services.message_boxes[1].text, "Could not find function 'NoSuchFunction' in dll AcceptingPlugin.so");

  GDll quiet("Absent.so", kBase, true);
  EXPECT_EQ(quiet.GetFunction("X"), nullptr);
  EXPECT_EQ(services.message_boxes.size(), 2u);
}

}  // namespace
}  // namespace prefig
