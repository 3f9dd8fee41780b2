// What both programs' windows share: the shell's named controls and their own state per window.
#include <QFileDialog>
#include <QTabWidget>
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
  const char* request_tab;  // captions of tabs 1 and 2
  const char* response_tab;

  friend void PrintTo(const Program& program, std::ostream* out) { *out << program.name; }
};

class ProgramWindow : public testing::TestWithParam<Program> {
 protected:
  SettingsFolder settings_;
};

// The class name Qt reports for a component.
QString ClassOf(const QObject& object) {
  return QString::fromLatin1(object.metaObject()->className());
}

TEST_P(ProgramWindow, EachIsTheShellWithItsNamedControls) {
  const auto window = GetParam().make();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(ClassOf(*window), "TForm1");
  EXPECT_EQ(ClassOf(*Child<QObject>(*window, "WebBrowser1")), "TWebBrowser");
  for (const char* grid : {"ValueListEditor77", "ValueListEditor3"}) {
    EXPECT_EQ(ClassOf(*Child<QObject>(*window, grid)), "TValueListEditor");
  }
  // The dialogs are the window's children by the time they are shown.
  const std::pair<const char*, const char*> dialogs[] = {{"Button11", "SaveDialog1"},
                                                         {"Button12", "OpenDialog1"}};
  for (const auto& [button, dialog] : dialogs) {
    PressAnswering(*window, button, dialog, {});
    EXPECT_EQ(Child<QFileDialog>(*window, dialog)->parent(), window.get()) << dialog;
  }
  const auto* tabs = Child<QTabWidget>(*window, "PageControl25");
  QStringList captions;
  for (int i = 0; i < tabs->count(); ++i) captions << tabs->tabText(i);
  EXPECT_EQ(captions, (QStringList{QString::fromUtf8("Informações"), GetParam().request_tab,
                                   GetParam().response_tab, "Como Comprar?"}));
}

TEST_P(ProgramWindow, TwoOfThemKeepTheirOwnRequest) {
  test_support::TempFolder dir;
  auto first = GetParam().make();
  auto second = GetParam().make();
  Click(*first, "Button10");
  PressAnswering(*second, "Button11", "SaveDialog1", dir / "second.xml");
  EXPECT_TRUE(LastLogLineIs(*second, SaveFailed()));
  EXPECT_TRUE(fs::is_empty(dir.path()));
  EXPECT_EQ(Lines(*first, "Memo1").size(), 1);
}

// The choice of the service layout is off on first start; a change of it is there in the next
// window of the program, and only of that program.
TEST_P(ProgramWindow, TheServiceLayoutChoiceStartsOffAndIsRemembered) {
  auto first = GetParam().make();
  QAction& choice = ServiceLayout(*first);
  EXPECT_TRUE(choice.isCheckable());
  EXPECT_FALSE(choice.isChecked());
  choice.trigger();
  EXPECT_TRUE(Lines(*first, "Memo1").isEmpty());
  first.reset();

  auto second = GetParam().make();
  EXPECT_TRUE(ServiceLayout(*second).isChecked());
  const auto other = GetParam().make == cancel_tool::MakeTarvelWindow
                         ? query_tool::MakeOrvaneWindow
                         : cancel_tool::MakeTarvelWindow;
  EXPECT_FALSE(ServiceLayout(*other()).isChecked());
  ServiceLayout(*second).setChecked(false);
  EXPECT_FALSE(ServiceLayout(*GetParam().make()).isChecked());
}

INSTANTIATE_TEST_SUITE_P(, ProgramWindow,
                         testing::Values(Program{"Tarvel", cancel_tool::MakeTarvelWindow,
                                                 "CancelarNfseEnvio", "CancelarNfseResposta"},
                                         Program{"Orvane", query_tool::MakeOrvaneWindow,
                                                 "ConsultarNfseRpsEnvio",
                                                 "ConsultarNfseRpsResposta"}),
                         ByName());

}  // namespace
