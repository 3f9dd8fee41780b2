// Each window owns its program's state: a request made in one is not there in the other.
#include <QWidget>

#include <memory>

#include "acceptance/bindings_support.h"
#include "acceptance/windows_support.h"
#include "cancel_tool/cancel_tool.h"
#include "query_tool/query_tool.h"

namespace {

using namespace acceptance;

struct Program {
  const char* name;
  std::unique_ptr<QWidget> (*make)();
};

class TwoWindows : public testing::TestWithParam<Program> {};

TEST_P(TwoWindows, SaveInTheSecondDoesNotSeeTheFirstsRequest) {
  TempDir dir;
  auto first = GetParam().make();
  auto second = GetParam().make();
  Click(*first, "Button10");
  PressAnswering(*second, "Button11", "SaveDialog1", dir / "second.xml");
  EXPECT_TRUE(LastLogLineIs(*second, SaveFailed()));
  EXPECT_TRUE(fs::is_empty(dir.path()));
  EXPECT_EQ(Lines(*first, "Memo1").size(), 1);
}

INSTANTIATE_TEST_SUITE_P(, TwoWindows,
                         testing::Values(Program{"Tarvel", cancel_tool::MakeTarvelWindow},
                                         Program{"Orvane", query_tool::MakeOrvaneWindow}),
                         ByName());

}  // namespace
