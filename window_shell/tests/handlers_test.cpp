// The shell's handler frames and Clear, driven through a stand-in program: what every program's
// handlers do around their own document steps.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>

#include "window_shell/tests/stand_in.h"

namespace window_shell {
namespace {

using namespace fixture;

class HandlersTest : public StandInTest, public ::testing::Test {
 protected:
  QStringList Rows() const { return form().FieldValues(); }
};

TEST_F(HandlersTest, NewLogsItsOutcome) {
  Click("Button10");
  form().UpperGrid().SetValue(QStringLiteral("second"), QStringLiteral("!"));
  Click("Button10");
  EXPECT_EQ(LogMessages(), (QStringList{NewSucceeded(kStandInTitle), NewFailed(kStandInTitle)}));
  EXPECT_EQ(Tab(), kRequestTab);  // New shows no dialog and changes no tab
}

TEST_F(HandlersTest, CancelledDialogsChangeNothing) {
  for (const char* button : {"Button11", "Button12", "Button3"}) {
    form().SelectTab(kHowToBuyTab);
    ClickAnswering(button, button == std::string("Button11") ? "SaveDialog1" : "OpenDialog1", {});
    EXPECT_EQ(Tab(), kHowToBuyTab) << button;
  }
  EXPECT_TRUE(LogMessages().isEmpty());
  EXPECT_EQ(form().LowerListing().LineCount(), 0);
  EXPECT_TRUE(form().Preview().path().isEmpty());
}

// A request opened without failure fills every row and becomes the previewed, last opened file.
TEST_F(HandlersTest, OpenFillsTheRowsRecordsAndPreviewsTheFile) {
  const QString path = Write(QStringLiteral("ok.txt"), "a\nb\nc");
  ClickAnswering("Button12", "OpenDialog1", path);
  EXPECT_EQ(Rows(), (QStringList{"a", "b", "c"}));
  EXPECT_EQ(LogMessages(), QStringList{OpenSucceeded(kStandInTitle)});
  EXPECT_EQ(Tab(), kInformationTab);
  EXPECT_EQ(form().LastOpenedPath(), path);
  EXPECT_EQ(form().Preview().path(), path);
}

// The rows read before a failing value keep their new values, the later ones their old ones;
// the last opened path and the preview stay as they were.
TEST_F(HandlersTest, OpenStoppedByAValueKeepsTheRowsReadBeforeIt) {
  const struct {
    QByteArray file;  // empty: no such file
    QStringList rows;
  } cases[] = {
      {{}, {"1", "3", "2"}},        {"!\nb\nc", {"1", "3", "2"}}, {"a\n!\nc", {"a", "3", "2"}},
      {"a\nb\n!", {"a", "b", "2"}}, {"a\nb", {"a", "b", "2"}},
  };
  for (const auto& c : cases) {
    StandInTest test;
    const QString path = c.file.isEmpty() ? test.Path(QStringLiteral("missing.txt"))
                                          : test.Write(QStringLiteral("f.txt"), c.file);
    test.ClickAnswering("Button12", "OpenDialog1", path);
    EXPECT_EQ(test.form().FieldValues(), c.rows) << c.file.toStdString();
    EXPECT_EQ(test.LogMessages(), QStringList{OpenFailed(kStandInTitle)});
    EXPECT_EQ(test.Tab(), kInformationTab);
    EXPECT_TRUE(test.form().LastOpenedPath().isEmpty());
    EXPECT_TRUE(test.form().Preview().path().isEmpty());
  }
}

// Save before any New or Open fails once the dialog is confirmed, and writes nothing.
TEST_F(HandlersTest, SaveBeforeAnyRequestFailsAfterTheDialogAndWritesNothing) {
  const QString path = Path(QStringLiteral("none.xml"));
  EXPECT_EQ(ClickAnswering("Button11", "SaveDialog1", path), QStringLiteral("proposta.txt"));
  EXPECT_EQ(LogMessages(), QStringList{kSaveFailed});
  EXPECT_EQ(Tab(), kInformationTab);
  EXPECT_FALSE(QFileInfo::exists(path));
  EXPECT_TRUE(form().Preview().path().isEmpty());
}

TEST_F(HandlersTest, SaveWritesTheRequestAdjustsItAndPreviewsIt) {
  std::filesystem::path adjusted;
  standIn.adjust = [&](const std::filesystem::path& file) { adjusted = file; };
  Click("Button10");
  const QString path = Path(QStringLiteral("saída ç.xml"));  // the name keeps every character
  ClickAnswering("Button11", "SaveDialog1", path);
  EXPECT_EQ(Read(path), "1\n3\n2");
  EXPECT_EQ(QString::fromStdU16String(adjusted.u16string()), path);
  EXPECT_EQ(LogMessages(), (QStringList{NewSucceeded(kStandInTitle), SaveSucceeded(path)}));
  EXPECT_EQ(form().Preview().path(), path);
  EXPECT_TRUE(form().LastOpenedPath().isEmpty());  // only an Open records it

  // A failing adjustment fails the Save and leaves the preview as it was.
  standIn.adjust = [](const std::filesystem::path&) { throw std::runtime_error("no"); };
  const QString other = Path(QStringLiteral("other.xml"));
  ClickAnswering("Button11", "SaveDialog1", other);
  EXPECT_EQ(LogMessages().last(), kSaveFailed);
  EXPECT_EQ(form().Preview().path(), path);
}

// The log line names only the handler, as the user reads it; the failure's own reason goes to
// the debug output, where whoever debugs it finds it.
TEST_F(HandlersTest, EachFailureTellsItsReasonBesideTheLogLine) {
  form().UpperGrid().SetValue(QStringLiteral("second"), QStringLiteral("!"));
  Click("Button10");
  const QString missing = Path(QStringLiteral("missing.txt"));
  ClickAnswering("Button12", "OpenDialog1", missing);
  ClickAnswering("Button3", "OpenDialog1", Write(QStringLiteral("r.txt"), "x\n!"));
  standIn.adjust = [](const std::filesystem::path&) {
    throw std::runtime_error("no space left on the disk");
  };
  ClickAnswering("Button11", "SaveDialog1", Path(QStringLiteral("s.txt")));
  EXPECT_EQ(FailuresTold(),
            (QStringList{QStringLiteral("New failed: value 3 cannot be read"),
                         QStringLiteral("Open failed: cannot read ") + missing,
                         QStringLiteral("Open failed: value 2 cannot be read"),
                         QStringLiteral("Save failed: no space left on the disk")}));
  EXPECT_EQ(LogMessages(), (QStringList{NewFailed(kStandInTitle), OpenFailed(kStandInTitle),
                                        OpenFailed(kStandInTitle), kSaveFailed}));
}

// A listing stopped by a value keeps the lines before it and records nothing.
TEST_F(HandlersTest, AResponseListingStoppedByAValueKeepsTheLinesBeforeIt) {
  const QString good = Write(QStringLiteral("good.txt"), "x\ny");
  ClickAnswering("Button3", "OpenDialog1", good);
  ClickAnswering("Button3", "OpenDialog1", Write(QStringLiteral("bad.txt"), "z\n!\nw"));
  EXPECT_EQ(Lines(form().LowerListing()), (QStringList{"x", "y", "z"}));
  EXPECT_EQ(LogMessages(), (QStringList{OpenSucceeded(kStandInTitle), OpenFailed(kStandInTitle)}));
  EXPECT_EQ(form().LastOpenedPath(), good);
  EXPECT_EQ(form().Preview().path(), good);
}

TEST_F(HandlersTest, ClearZeroesEveryRowFromEitherTabAndTouchesNothingElse) {
  for (const char* button : {"Button14", "Button4"}) {
    StandInTest test;
    test.form().SelectTab(kResponseTab);
    test.form().LowerListing().AddLine(QStringLiteral("kept"));
    test.Click(button);
    EXPECT_EQ(test.Tab(), kRequestTab);
    EXPECT_EQ(test.form().FieldValues(), (QStringList{"0", "0", "0"}));
    EXPECT_EQ(test.form().LowerListing().toPlainText(), QStringLiteral("kept"));
    EXPECT_TRUE(test.LogMessages().isEmpty());
  }
}

// The dialogs are made on first use, as named children set up as the handlers need them.
TEST_F(HandlersTest, DialogsAreMadeWhenFirstNeededAndSetUpForTheHandlers) {
  EXPECT_EQ(form().findChild<QFileDialog*>(), nullptr);

  QFileDialog& save = form().SaveDialog();
  EXPECT_EQ(save.parent(), &form());
  EXPECT_EQ(form().findChild<QFileDialog*>(QStringLiteral("SaveDialog1")), &save);
  EXPECT_EQ(&form().SaveDialog(), &save);
  EXPECT_EQ(save.acceptMode(), QFileDialog::AcceptSave);
  EXPECT_EQ(save.defaultSuffix(), QStringLiteral("xml"));
  EXPECT_EQ(save.nameFilters(), QStringList{QStringLiteral("Arquivos XML (*.xml)")});
  EXPECT_TRUE(save.testOption(QFileDialog::DontConfirmOverwrite));
  EXPECT_TRUE(save.testOption(QFileDialog::DontUseNativeDialog));
  EXPECT_EQ(QDir(save.directory()).absolutePath(), QDir::homePath());

  QFileDialog& open = form().OpenDialog();
  EXPECT_EQ(form().findChild<QFileDialog*>(QStringLiteral("OpenDialog1")), &open);
  EXPECT_EQ(open.acceptMode(), QFileDialog::AcceptOpen);
  EXPECT_EQ(open.fileMode(), QFileDialog::AnyFile);
  EXPECT_TRUE(open.testOption(QFileDialog::DontUseNativeDialog));
}

TEST_F(HandlersTest, NoFileNameSuggestionOutlivesItsDialog) {
  QFileDialog& dialog = form().OpenDialog();
  QWidget* suggestions = dialog.findChild<QCompleter*>()->popup();
  // As when the name typed so far matches a file and the user presses Enter: the dialog is
  // accepted with its list of matches still open.
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    if (!dialog.isVisible()) return;
    answer.stop();
    dialog.focusWidget()->clearFocus();  // so selectFile() fills the name box
    dialog.selectFile(Path(QStringLiteral("absent.xml")));
    suggestions->show();
    static_cast<QDialog&>(dialog).accept();
  });
  answer.start(5);
  Click("Button12");
  EXPECT_FALSE(suggestions->isVisible());
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(HandlersTest, TheLayoutNestsTheProgramsTabsAndGrids) {
  QTabWidget& pages = form().Pages();
  ASSERT_EQ(pages.count(), 4);
  EXPECT_EQ(pages.tabText(0), QStringLiteral("Informações"));
  EXPECT_EQ(pages.tabText(1), QStringLiteral("Pedido"));
  EXPECT_EQ(pages.tabText(2), QStringLiteral("Resposta"));
  EXPECT_EQ(pages.tabText(3), QStringLiteral("Como Comprar?"));
  EXPECT_EQ(Tab(), kRequestTab);
  QStringList inner;
  for (const QTabWidget* tabs : pages.widget(kRequestTab)->findChildren<QTabWidget*>()) {
    inner.append(tabs->tabText(0));
  }
  inner.sort();
  EXPECT_EQ(inner, (QStringList{"Abaixo", "Externa", "Interna"}));
  EXPECT_EQ(form().UpperGrid().height(), 89);
  for (const char* name : {"PageControl25", "ValueListEditor77", "ValueListEditor3", "Memo1",
                           "Memo3", "Memo4", "Memo5", "WebBrowser1", "Button10", "Button11",
                           "Button12", "Button14", "Button3", "Button4"}) {
    EXPECT_NE(form().findChild<QObject*>(QLatin1String(name)), nullptr) << name;
  }
  const std::pair<const QObject*, const char*> classes[] = {
      {&form(), "TForm1"},
      {&form().UpperGrid(), "TValueListEditor"},
      {&form().Preview(), "TWebBrowser"}};
  for (const auto& [object, name] : classes) EXPECT_STREQ(object->metaObject()->className(), name);
}

TEST_F(HandlersTest, TabsNotInFrontAreFilledWhenFirstShown) {
  const auto panelLabels = [&] {
    return form().findChild<QWidget*>(QStringLiteral("Panel1"))->findChildren<QLabel*>().size();
  };
  EXPECT_TRUE(form().Information().toPlainText().isEmpty());
  EXPECT_EQ(panelLabels(), 0);
  EXPECT_EQ(form().findChild<QLabel*>(QStringLiteral("HowToBuyText")), nullptr);

  form().show();
  form().SelectTab(kInformationTab);
  EXPECT_TRUE(form().Information().toPlainText().startsWith(QStringLiteral("Como usar")));
  EXPECT_TRUE(form().Information().font().bold());
  EXPECT_EQ(panelLabels(), 9);  // two pictures, seven lines of text
  form().SelectTab(kHowToBuyTab);
  ASSERT_NE(form().findChild<QLabel*>(QStringLiteral("HowToBuyText")), nullptr);

  // Shown again, nothing is added twice.
  form().SelectTab(kInformationTab);
  form().SelectTab(kHowToBuyTab);
  EXPECT_EQ(panelLabels(), 9);
  EXPECT_EQ(form().findChildren<QLabel*>(QStringLiteral("HowToBuyText")).size(), 1);
  EXPECT_EQ(form().Information().document()->blockCount(), 7);
}

// Under the service layout every log line of an action ends with the mark, the failed lines and
// a shown reason included; off again, the lines are the messages alone.
TEST_F(HandlersTest, EveryLineOfAnActionUnderTheServiceLayoutSaysSo) {
  ChooseServiceLayout(true);
  Click("Button10");
  const QString saved = Path(QStringLiteral("saved.txt"));
  ClickAnswering("Button11", "SaveDialog1", saved);
  const QString good = Write(QStringLiteral("good.txt"), "a\nb\nc");
  ClickAnswering("Button12", "OpenDialog1", good);
  ClickAnswering("Button12", "OpenDialog1", Write(QStringLiteral("refused.txt"), "?\nx\ny"));
  ClickAnswering("Button3", "OpenDialog1", Write(QStringLiteral("bad.txt"), "!"));
  form().UpperGrid().SetValue(QStringLiteral("first"), QStringLiteral("!"));
  Click("Button10");
  ChooseServiceLayout(false);
  Click("Button10");

  EXPECT_EQ(LogMessages(),
            (QStringList{
                UnderService(NewSucceeded(kStandInTitle)), UnderService(SaveSucceeded(saved)),
                UnderService(OpenSucceeded(kStandInTitle)), UnderService(OpenFailed(kStandInTitle)),
                UnderService(kShownReason), UnderService(OpenFailed(kStandInTitle)),
                UnderService(NewFailed(kStandInTitle)), NewFailed(kStandInTitle)}));
  // The refused file changed nothing the good one had shown.
  EXPECT_EQ(Rows(), (QStringList{"!", "b", "c"}));
  EXPECT_EQ(form().LastOpenedPath(), good);
  EXPECT_EQ(FailuresTold().first(), QStringLiteral("Open failed: ") + kShownReason);
}

TEST_F(HandlersTest, TwoWindowsKeepTheirOwnDocuments) {
  Click("Button10");
  StandInTest other;
  const QString path = Path(QStringLiteral("other.xml"));
  other.ClickAnswering("Button11", "SaveDialog1", path);
  EXPECT_EQ(other.LogMessages(), QStringList{kSaveFailed});
  EXPECT_FALSE(QFileInfo::exists(path));
}

}  // namespace
}  // namespace window_shell

namespace window_shell {
namespace {

using namespace fixture;

std::unique_ptr<TForm1> StandInWindow(const StandInState& state) {
  return std::make_unique<TForm1>(StandInDescription(), std::make_unique<StandInHandlers>(state));
}

// The choice is an action of the window, shown in both button bars. It starts off, and each
// change is kept at once in the settings folder, where the next window made finds it.
TEST(LayoutChoice, StartsOffAndIsRememberedByTheNextWindow) {
  const SettingsFolder settings;
  const StandInState state;
  std::unique_ptr<TForm1> first = StandInWindow(state);
  auto* choice = first->findChild<QAction*>(QStringLiteral("ServiceLayout"));
  ASSERT_EQ(choice, &first->ServiceLayout());
  EXPECT_TRUE(choice->isCheckable());
  EXPECT_FALSE(choice->isChecked());
  EXPECT_EQ(choice->text(), QStringLiteral("Layout do serviço"));
  for (const char* name : {"ToolButton1", "ToolButton2"}) {
    const auto* button = first->findChild<QToolButton*>(QLatin1String(name));
    ASSERT_NE(button, nullptr) << name;
    EXPECT_EQ(button->defaultAction(), choice) << name;
  }

  first->findChild<QToolButton*>(QStringLiteral("ToolButton2"))->click();
  EXPECT_TRUE(first->ServiceLayoutChosen());
  EXPECT_EQ(first->Log().LineCount(), 0);
  EXPECT_TRUE(std::filesystem::exists(settings.path() / "nfse-tools" / "stand-in.conf"));
  first.reset();

  std::unique_ptr<TForm1> second = StandInWindow(state);
  EXPECT_TRUE(second->ServiceLayoutChosen());
  second->ServiceLayout().setChecked(false);
  EXPECT_FALSE(StandInWindow(state)->ServiceLayoutChosen());
}

// Only what the window writes for "on" turns the choice on; anything else in the file leaves it
// off.
TEST(LayoutChoice, ADamagedSettingsFileLeavesItOff) {
  const std::pair<const char*, bool> cases[] = {
      {"[General]\nserviceLayout=true\n", true},
      {"[General]\nserviceLayout=false\n", false},
      {"[General]\nserviceLayout=maybe\n", false},
      {"\x01\xFF[", false},
  };
  for (const auto& [content, on] : cases) {
    const SettingsFolder settings;
    std::filesystem::create_directory(settings.path() / "nfse-tools");
    QFile file(QString::fromStdString((settings.path() / "nfse-tools" / "stand-in.conf").string()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    EXPECT_EQ(StandInWindow(StandInState())->ServiceLayoutChosen(), on) << content;
  }
}

}  // namespace
}  // namespace window_shell
