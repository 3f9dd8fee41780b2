// The shell's parts on their own: grid integer parse, log line, grid, text box, preview pane.

#include <gtest/gtest.h>

#include <QTreeWidget>

#include "binding/errors.h"
#include "window_shell/tests/stand_in.h"

namespace window_shell {
namespace {

using fixture::StandInTest;

struct ParseCase {
  const char* text;
  std::optional<std::int32_t> value;  // none: the parse fails
};

class GridIntegerParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(GridIntegerParse, AcceptsDecimalAndHexWithinInt32Only) {
  const ParseCase& c = GetParam();
  if (c.value) {
    EXPECT_EQ(ParseGridInteger(c.text), *c.value);
  } else {
    EXPECT_THROW(ParseGridInteger(c.text), binding::ConversionError);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridIntegerParse,
    ::testing::Values(ParseCase{"1", 1}, ParseCase{"  -5", -5}, ParseCase{"\t+7", 7},
                      ParseCase{"$10", 16}, ParseCase{"x1F", 31}, ParseCase{"X1f", 31},
                      ParseCase{"0x10", 16}, ParseCase{"-$10", -16}, ParseCase{"007", 7},
                      ParseCase{"2147483647", INT32_MAX}, ParseCase{"-2147483648", INT32_MIN},
                      ParseCase{"$7FFFFFFF", INT32_MAX}, ParseCase{"-$80000000", INT32_MIN},
                      ParseCase{"", {}}, ParseCase{"   ", {}}, ParseCase{"abc", {}},
                      ParseCase{"1 ", {}}, ParseCase{"12a", {}}, ParseCase{"1.5", {}},
                      ParseCase{"$", {}}, ParseCase{"0x", {}}, ParseCase{"+", {}},
                      ParseCase{"--1", {}}, ParseCase{"+-1", {}}, ParseCase{"- 1", {}},
                      ParseCase{"$-1", {}}, ParseCase{"2147483648", {}},
                      ParseCase{"-2147483649", {}}, ParseCase{"$80000000", {}},
                      ParseCase{"$FFFFFFFF", {}}, ParseCase{"99999999999999999999", {}}));

TEST(LogLine, ShowsTheDateAloneExactlyAtMidnight) {
  const QLocale brazil(QStringLiteral("pt_BR"));
  const QDate day(2015, 2, 4);
  EXPECT_EQ(LogLine(QDateTime(day, QTime(0, 0)), QStringLiteral(" - x"), brazil),
            QStringLiteral("04/02/2015 - x"));
  EXPECT_EQ(LogLine(QDateTime(day, QTime(0, 0, 0, 500)), QStringLiteral(" - x"), brazil),
            QStringLiteral("04/02/2015 - x"));
  EXPECT_EQ(LogLine(QDateTime(day, QTime(0, 0, 1)), QStringLiteral(" - x"), brazil),
            QStringLiteral("04/02/2015 00:00:01 - x"));
  EXPECT_EQ(LogLine(QDateTime(day, QTime(14, 30, 5)), QStringLiteral(" - x"), brazil),
            QStringLiteral("04/02/2015 14:30:05 - x"));
}

TEST(LogLine, LeavesTheTimeZoneOutOfEveryLongTimeFormat) {
  const std::pair<const char*, const char*> formats[] = {
      {"HH:mm:ss t", "HH:mm:ss"},
      {"h:mm:ss AP t", "h:mm:ss AP"},
      {"t HH:mm:ss", "HH:mm:ss"},
      {"tAPh:mm:ss", "APh:mm:ss"},
      {"HH 'h' mm 'min' ss 's' t", "HH 'h' mm 'min' ss 's'"},
      {"HH:mm:ss 'at' tt", "HH:mm:ss 'at'"},
      {"HH:mm:ss", "HH:mm:ss"},
  };
  for (const auto& [format, expected] : formats) {
    EXPECT_EQ(WithoutTimeZone(QString::fromUtf8(format)), QString::fromUtf8(expected)) << format;
  }
  const QLocale us(QStringLiteral("en_US"));
  EXPECT_EQ(LogLine(QDateTime(QDate(2015, 2, 4), QTime(14, 30, 5)), QStringLiteral(" - x"), us),
            QStringLiteral("2/4/15 2:30:05 PM - x"));
}

TEST(ValueListEditor, FindsKeysIgnoringCaseAndAppendsUnknownOnes) {
  TValueListEditor grid;
  grid.SetValue(QStringLiteral("id"), QStringLiteral("1"));
  grid.SetValue(QStringLiteral("numero"), QStringLiteral("2"));
  EXPECT_EQ(grid.RowCount(), 3);  // the title row and two keys
  EXPECT_EQ(grid.Value(QStringLiteral("ID")), QStringLiteral("1"));
  EXPECT_EQ(grid.Value(QStringLiteral("absent")), QString());

  grid.SetValue(QStringLiteral("Numero"), QStringLiteral("3"));
  EXPECT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(grid.KeyAt(2), QStringLiteral("numero"));
  EXPECT_EQ(grid.Value(QStringLiteral("numero")), QStringLiteral("3"));

  grid.SetValue(QStringLiteral("extra"), QStringLiteral("4"));
  EXPECT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(grid.KeyAt(3), QStringLiteral("extra"));
  EXPECT_FALSE(grid.item(0, 0)->flags() & Qt::ItemIsEditable);
  EXPECT_TRUE(grid.item(0, 1)->flags() & Qt::ItemIsEditable);
  EXPECT_EQ(grid.horizontalHeaderItem(0)->text(), QStringLiteral("Key"));
  EXPECT_EQ(grid.horizontalHeaderItem(1)->text(), QStringLiteral("Value"));
  EXPECT_EQ(grid.columnWidth(0), 150);
}

TEST(Memo, KeepsAnEmptyFirstLineAsALine) {
  TMemo memo;
  memo.AddLine(QString());
  memo.AddLine(QStringLiteral("x"));
  EXPECT_EQ(memo.toPlainText(), QStringLiteral("\nx"));
  memo.AddLines(std::vector<std::string>{"", "y"});
  EXPECT_EQ(memo.toPlainText(), QStringLiteral("\nx\n\ny"));
  EXPECT_EQ(memo.LineCount(), 4);
}

TEST(Memo, ListingAppendsTheLinesReadBeforeAFailure) {
  TMemo memo;
  EXPECT_THROW(memo.List([](std::vector<std::string>& lines) {
    lines.push_back("first");
    lines.push_back("second");
    throw std::runtime_error("stop");
  }),
               std::runtime_error);
  EXPECT_EQ(memo.toPlainText(), QStringLiteral("first\nsecond"));
}

class WebBrowserTest : public StandInTest, public ::testing::Test {};

TEST_F(WebBrowserTest, ShowsElementsAsAnIndentedTree) {
  const QString path = Write(QStringLiteral("a.xml"),
                             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                             "<a xmlns=\"urn:x\" k=\"v\"><b>text</b><c/><!--note--></a>");
  TWebBrowser browser;
  browser.Navigate(path);
  EXPECT_EQ(browser.path(), path);
  EXPECT_EQ(browser.property("path").toString(), path);
  ASSERT_EQ(browser.currentWidget(), &browser.Tree());
  QTreeWidget& tree = browser.Tree();
  ASSERT_EQ(tree.topLevelItemCount(), 2);
  EXPECT_EQ(tree.topLevelItem(0)->text(0),
            QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
  QTreeWidgetItem* root = tree.topLevelItem(1);
  EXPECT_EQ(root->text(0), QStringLiteral("<a xmlns=\"urn:x\" k=\"v\">"));
  EXPECT_TRUE(root->isExpanded());
  ASSERT_EQ(root->childCount(), 3);
  EXPECT_EQ(root->child(0)->text(0), QStringLiteral("<b>text</b>"));
  EXPECT_EQ(root->child(1)->text(0), QStringLiteral("<c/>"));
  EXPECT_EQ(root->child(2)->text(0), QStringLiteral("<!--note-->"));
}

TEST_F(WebBrowserTest, ShowsOnlyTheFirstElementsOfALargeFile) {
  std::string xml = "<a>";
  for (int i = 0; i < 60000; ++i) xml += "<m>" + std::to_string(i) + "</m>";
  TWebBrowser browser;
  browser.Navigate(Write(QStringLiteral("large.xml"), QByteArray::fromStdString(xml + "</a>")));
  ASSERT_EQ(browser.Tree().topLevelItemCount(), 1);
  QTreeWidgetItem* root = browser.Tree().topLevelItem(0);
  ASSERT_EQ(root->childCount(), 50000);  // 49999 elements, then the note
  EXPECT_EQ(root->text(0), QStringLiteral("<a>"));
  EXPECT_EQ(root->child(49998)->text(0), QStringLiteral("<m>49998</m>"));
  EXPECT_TRUE(root->child(49999)->text(0).contains(QStringLiteral("não é exibido")));
}

TEST_F(WebBrowserTest, ShowsAFileThatDoesNotParseAsTextWithTheReason) {
  const QString path = Write(QStringLiteral("bad.xml"), "<a><b></a>");
  TWebBrowser browser;
  browser.Navigate(path);
  ASSERT_EQ(browser.currentWidget(), &browser.Source());
  const QString shown = browser.Source().toPlainText();
  EXPECT_TRUE(shown.contains(QStringLiteral("linha 1"))) << shown.toStdString();
  EXPECT_TRUE(shown.endsWith(QStringLiteral("<a><b></a>"))) << shown.toStdString();

  // The next good file brings the tree back.
  browser.Navigate(Write(QStringLiteral("good.xml"), "<a/>"));
  EXPECT_EQ(browser.currentWidget(), &browser.Tree());
  EXPECT_EQ(browser.Tree().topLevelItem(0)->text(0), QStringLiteral("<a/>"));
}

}  // namespace
}  // namespace window_shell
