#include "support/test_page.h"

namespace prefig::test {

TestPage::TestPage(int title_id) : WPrefigBase(title_id) {
  using namespace layout;
  EnableWhen(spin, box);
  SetLayout(Column{box, Form{spin, edit}, button});
}

std::vector<std::string>& TestPage::SharedLog() {
  static std::vector<std::string> log;
  return log;
}

bool TestPage::QueryShow(bool show, bool pass_through) {
  if (!show && refuse_to_hide) return false;
  return WPrefigBase::QueryShow(show, pass_through);
}

void TestPage::Log(const std::string& call) {
  calls.push_back(call);
  SharedLog().push_back(std::to_string(TitleId()) + " " + call);
}

WPushButton& ButtonWithText(const WConfigBase& page, int text_id) {
  return FindControl<WPushButton>(
      page, [&](const WPushButton& b) { return b.Kind() == ControlKind::kPushButton && b.TextId() == text_id; });
}

namespace {

template <int kId>
std::unique_ptr<WConfigBase> MakeTestPage() {
  return std::make_unique<TestPage>(2000 + kId);
}

template <size_t... kIds>
std::array<PageEntry, kPageCount> Table(std::index_sequence<kIds...>) {
  std::array<PageEntry, kPageCount> table = PageTable();
  ((table[kIds].make = &MakeTestPage<static_cast<int>(kIds)>), ...);
  return table;
}

}  // namespace

std::array<PageEntry, kPageCount> TestPageTable() { return Table(std::make_index_sequence<kPageCount>()); }

}  // namespace prefig::test
