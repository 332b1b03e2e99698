#include "module/module_state.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <vector>

namespace prefig {
namespace {

// A message table with the marker entry, or without it.
struct Table {
  std::vector<const char*> texts = std::vector<const char*>(kMessageIdLimit, nullptr);
  explicit Table(bool usable) {
    if (usable) texts[kMarkerMessageId] = "***";
  }
  MessageTable get() const { return texts.data(); }
};

class ModuleStateTest : public ::testing::Test {
 protected:
  void SetUp() override { Module() = ModuleState{}; }
  void TearDown() override { Module() = ModuleState{}; }
};

TEST_F(ModuleStateTest, NullFirstStoresNothingThenATableIsTakenAndReadWithinItsBounds) {
  Table table(true);
  EXPECT_EQ(InitModule(nullptr), kDllInitFailed);
  EXPECT_EQ(Module().message_table, nullptr);
  EXPECT_EQ(InitModule(table.get()), kDllInitOk);
  EXPECT_EQ(MessageText(kMarkerMessageId), std::string("***"));
  EXPECT_EQ(MessageText(-1), nullptr);
  EXPECT_EQ(MessageText(712), nullptr);
}

TEST_F(ModuleStateTest, FirstTableStaysEvenWhenUnusable) {
  Table a(false), b(true);
  EXPECT_EQ(InitModule(a.get()), kDllInitFailed);
  EXPECT_EQ(InitModule(b.get()), kDllInitFailed);
  EXPECT_EQ(Module().message_table, a.get());
}

// The module that the host loads exports exactly this contract.
TEST_F(ModuleStateTest, PrefigModuleExportsInitAndVersion) {
  void* module = ::dlopen(PREFIG_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(module, nullptr) << ::dlerror();
  auto version = reinterpret_cast<int (*)()>(::dlsym(module, "DllVersion"));
  auto init = reinterpret_cast<int (*)(const char* const*)>(::dlsym(module, "DllInit"));
  ASSERT_NE(version, nullptr);
  ASSERT_NE(init, nullptr);
  EXPECT_EQ(version(), 80402);
  Table table(true);
  EXPECT_EQ(init(table.get()), 0);
  EXPECT_EQ(::dlsym(module, "InitModule"), nullptr);  // nothing else leaks out
  ::dlclose(module);
}

}  // namespace
}  // namespace prefig
