#include "entry/plugin_loader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <vector>

#include "entry/module_state.h"
#include "entry/plugin_abi.h"
#include "entry/scripted_services.h"
#include "support/temp_dir.h"

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

TEST_F(PluginLoaderTest, PluginWhoseInitAcceptsIsLoaded) {
  void* handle = LoadPluginDll("AcceptingPlugin.so", kBase);
  ASSERT_NE(handle, nullptr);
  FreePluginDll(handle);
}

TEST_F(PluginLoaderTest, RefusingOrMissingInitOrNoTableIsUnloaded) {
  EXPECT_EQ(LoadPluginDll("RefusingPlugin.so", kBase), nullptr);
  EXPECT_EQ(LoadPluginDll("NoInitPlugin.so", kBase), nullptr);
  EXPECT_EQ(LoadPluginDll("Absent.so", kBase), nullptr);
  Module() = ModuleState{};  // no table: the plug-in refuses
  EXPECT_EQ(LoadPluginDll("AcceptingPlugin.so", kBase), nullptr);
}

TEST_F(PluginLoaderTest, GDllLoadsOnFirstUseAndFindsFunctions) {
  GDll dll("AcceptingPlugin.so", kBase, false);
  auto calls = dll.Get<int (*)()>("InitCalls");
  ASSERT_NE(calls, nullptr);
  int inits = calls();
  EXPECT_GE(inits, 1);
  EXPECT_NE(dll.GetFunction("DllInit"), nullptr);
  EXPECT_EQ(calls(), inits);  // loaded once
  EXPECT_TRUE(services.message_boxes.empty());
}

TEST_F(PluginLoaderTest, GDllReportsFailuresUnlessQuiet) {
  GDll missing("Absent.so", kBase, false);
  EXPECT_EQ(missing.GetFunction("X"), nullptr);
  EXPECT_EQ(missing.GetFunction("X"), nullptr);  // tried again
  GDll present("AcceptingPlugin.so", kBase, false);
  EXPECT_EQ(present.GetFunction("NoSuchFunction"), nullptr);
  ASSERT_EQ(services.message_boxes.size(), 3u);
  EXPECT_EQ(services.message_boxes[0].text, "Could not load dll: Absent.so");
  EXPECT_EQ(services.message_boxes[0].caption_id, 330);
  EXPECT_EQ(services.message_boxes[0].icon, MessageIcon::kStop);
  EXPECT_EQ(services.message_boxes[0].owner, MessageOwner::kNone);
  EXPECT_EQ(services.message_boxes[2].text, "Could not find function 'NoSuchFunction' in dll AcceptingPlugin.so");

  GDll quiet("Absent.so", kBase, true);
  EXPECT_EQ(quiet.GetFunction("X"), nullptr);
  EXPECT_EQ(services.message_boxes.size(), 3u);
}

TEST_F(PluginLoaderTest, SelectDirectoryEditsThePathInPlace) {
  char path[kSelectDirectoryPathSize] = "/work";
  EXPECT_TRUE(SelectDirectory(kBase, path, 0, 1));
  EXPECT_STREQ(path, "/work/chosen");
  EXPECT_FALSE(SelectDirectory(kBase, path, 0, 0));  // the chooser was cancelled
  EXPECT_STREQ(path, "/work/chosen");
  test::TempDir empty;
  EXPECT_FALSE(SelectDirectory(empty.path(), path, 0, 1));  // no chooser at all
  EXPECT_TRUE(services.message_boxes.empty());
}

TEST_F(PluginLoaderTest, FindDllDirectoryLooksBesideThenAboveTheProgram) {
  test::TempDir root;
  std::filesystem::create_directories(root.File("bin"));
  EXPECT_EQ(FindDllDirectory(root.File("bin")), root.File("bin"));
  std::filesystem::create_directories(root.File("Dll"));
  EXPECT_EQ(FindDllDirectory(root.File("bin")), root.File("bin") + "/../Dll");
  std::filesystem::create_directories(root.File("bin/Dll"));
  EXPECT_EQ(FindDllDirectory(root.File("bin")), root.File("bin/Dll"));
}

}  // namespace
}  // namespace prefig
