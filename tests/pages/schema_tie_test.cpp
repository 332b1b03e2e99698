// Every built page of the setup dialog against the settings schema: each
// setting of its tables is shown by a control or named as its hooks', no
// control edits a setting of another table, and OK writes the keys in the
// tables' order.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "module/module_state.h"
#include "pages/binding.h"
#include "pages/page_table.h"
#include "pages/setup_session.h"
#include "record/dnc_config.h"
#include "record/machine_list.h"
#include "schema/registry.h"
#include "support/ini_keys.h"
#include "support/temp_dir.h"
#include "support/test_configuration.h"

namespace prefig {
namespace {

struct Key {
  std::string section;
  std::string key;
};

const SettingTable* TableOf(SettingList list) {
  for (const SettingTable* table : AllTables()) {
    if (table->settings.data() == list.data() && table->settings.size() == list.size()) return table;
  }
  return nullptr;
}

void AddKeys(const Setting& s, int member, std::vector<Key>& keys) {
  if (s.kind != Kind::kFont) {
    keys.push_back({s.section, KeyName(s, member)});
    return;
  }
  for (const char* field : kFontFieldNames) keys.push_back({s.section, FontKeyName(s, field)});
}

// The members a family has: the user colours as many as there are entries.
int Members(const Setting& s, int user_colours) {
  return s.count > 1 && s.held_by == HeldBy::kColourList ? std::min(s.count, user_colours) : s.count;
}

// The keys of a table as its saver orders them.
std::vector<Key> KeysInSaveOrder(const SettingTable& table, int user_colours = ColourList::kEntriesMax) {
  std::vector<Key> keys;
  int members = 0;
  for (const Setting* s : table.settings) members = std::max(members, Members(*s, user_colours));
  if (table.by_member) {
    for (int member = 0; member < members; ++member) {
      for (const Setting* s : table.settings) {
        if (member < Members(*s, user_colours)) AddKeys(*s, member, keys);
      }
    }
  } else {
    for (const Setting* s : table.settings) {
      for (int member = 0; member < Members(*s, user_colours); ++member) AddKeys(*s, member, keys);
    }
  }
  return keys;
}

bool InTables(const WConfigBase& page, const Setting* setting) {
  return std::any_of(page.Tables().begin(), page.Tables().end(), [setting](SettingList table) {
    return std::find(table.begin(), table.end(), setting) != table.end();
  });
}

class SchemaTie : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < record.MachineTypes().Count(); ++i) {
      SetupSession().working_types.push_back(&record.MachineTypes().At(i));
    }
    SetupSession().current_type = 0;
    dnc_path = dnc_dir.File(schema::kDncConfigFileName);
    dnc.Load(dnc_path, record.SettingsContext());
    Module().dnc_config = &dnc;
  }
  void TearDown() override { Module().dnc_config = nullptr; }

  test::TestConfiguration configuration;
  GPrefiguration& record = configuration.Start();
  test::TempDir dnc_dir;
  std::string dnc_path;
  GDncConfig dnc;
};

TEST_F(SchemaTie, EverySettingOfAPagesTablesHasOneControlOrItsHooks) {
  for (const PageEntry& entry : PageTable()) {
    if (entry.make == nullptr) continue;
    std::unique_ptr<WConfigBase> page = entry.make();
    SCOPED_TRACE(page->GetTitle(true));
    std::set<std::pair<const Setting*, int>> bound;
    for (const WControl* control : page->Controls()) {
      const Setting* s = control->BoundSetting();
      if (s == nullptr) continue;
      SCOPED_TRACE(KeyName(*s, control->BoundMember()));
      EXPECT_TRUE(CanBind(*control)) << "the control cannot show this setting's kind or member";
      EXPECT_TRUE(InTables(*page, s)) << "a setting of no table the page names";
      EXPECT_TRUE(bound.insert({s, control->BoundMember()}).second) << "bound twice";
    }
    for (SettingList list : page->Tables()) {
      const SettingTable* table = TableOf(list);
      ASSERT_NE(table, nullptr) << "a page's table is one of the schema's";
      EXPECT_TRUE(table->saved == (table->scope == Scope::kType ? Saved::kWhenChanged : Saved::kByPage)) << table->name;
      for (const Setting* s : list) {
        bool by_hooks =
            std::find(page->HookSettings().begin(), page->HookSettings().end(), s) != page->HookSettings().end();
        for (int member = 0; member < s->count; ++member) {
          EXPECT_NE(by_hooks, bound.count({s, member}) == 1)
              << KeyName(*s, member)
              << (by_hooks ? ": bound, yet named as the hooks'" : ": neither bound nor the hooks'");
        }
      }
    }
    for (const Setting* s : page->HookSettings()) EXPECT_TRUE(InTables(*page, s)) << s->key;
  }
}

// The page's keys are taken out of the files, so that each write appends its
// key to its section: the order in the file is the order of the writes.
TEST_F(SchemaTie, OkWritesThePagesKeysInTheOrderOfItsTables) {
  GMachineType& type = record.MachineTypes().At(0);
  for (const PageEntry& entry : PageTable()) {
    if (entry.make == nullptr) continue;
    std::unique_ptr<WConfigBase> page = entry.make();
    SCOPED_TRACE(page->GetTitle(true));
    page->ShowPage(true);
    std::vector<Key> main_keys, type_keys, dnc_keys;
    for (SettingList list : page->Tables()) {
      const SettingTable* table = TableOf(list);
      ASSERT_NE(table, nullptr);
      std::vector<Key> keys = KeysInSaveOrder(*table);
      std::vector<Key>& to = table->scope == Scope::kType  ? type_keys
                             : table->scope == Scope::kDnc ? dnc_keys
                                                           : main_keys;
      to.insert(to.end(), keys.begin(), keys.end());
    }
    for (const Key& key : main_keys) record.DeleteKey(key.section, key.key);
    for (const Key& key : type_keys) type.Ini().DeleteKey(key.section, key.key);
    for (const Key& key : dnc_keys) dnc.Ini().DeleteKey(key.section, key.key);
    page->SaveValues();  // OK: the global pages write the main file, the machine-type pages the type
    page->DialogAccepted();
    ASSERT_TRUE(type.Save());
    // The user colours are written for the entries there are.
    type_keys.clear();
    for (SettingList list : page->Tables()) {
      const SettingTable* table = TableOf(list);
      if (table->scope != Scope::kType) continue;
      std::vector<Key> keys = KeysInSaveOrder(*table, static_cast<int>(type.Colours().Entries().size()));
      type_keys.insert(type_keys.end(), keys.begin(), keys.end());
    }

    auto check = [](const std::string& text, const std::vector<Key>& expected) {
      std::set<std::string> sections;
      for (const Key& key : expected) sections.insert(key.section);
      for (const std::string& section : sections) {
        std::vector<std::string> wanted, written;
        for (const Key& key : expected) {
          if (key.section == section) wanted.push_back(key.key);
        }
        for (const std::string& key : test::KeysOfSection(text, section)) {
          if (std::find(wanted.begin(), wanted.end(), key) != wanted.end()) written.push_back(key);
        }
        EXPECT_EQ(written, wanted) << "section " << section;
      }
    };
    check(configuration.MainIniText(), main_keys);
    check(test::ReadFile(type.Path()), type_keys);
    check(test::ReadFile(dnc_path), dnc_keys);
  }
}

}  // namespace
}  // namespace prefig
