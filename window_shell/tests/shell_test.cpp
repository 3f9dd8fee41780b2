// The shell's parts on their own: log line, grid, text box, preview pane.

#include <gtest/gtest.h>

#include <QTreeWidget>

#include "window_shell/tests/stand_in.h"

namespace window_shell {
namespace {

using fixture::StandInTest;

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
  // UTF-8 lines keep characters beyond the 16-bit range.
  memo.AddLines(std::vector<std::string>{"中文 𝄞"});
  EXPECT_EQ(memo.toPlainText(), QStringLiteral("\nx\n\ny\n中文 𝄞"));
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

TEST_F(WebBrowserTest, ShowsTheReasonForAFileThatDoesNotParseOrCannotBeRead) {
  const QString path = Write(QStringLiteral("bad.xml"), "<a><b></a>");
  TWebBrowser browser;
  browser.Navigate(path);
  ASSERT_EQ(browser.currentWidget(), &browser.Source());
  const QString shown = browser.Source().toPlainText();
  EXPECT_TRUE(shown.contains(QStringLiteral("linha 1"))) << shown.toStdString();
  EXPECT_TRUE(shown.endsWith(QStringLiteral("<a><b></a>"))) << shown.toStdString();

  // A file it cannot read shows the reason, as one that does not parse does.
  const QString missing = Path(QStringLiteral("missing.xml"));
  browser.Navigate(missing);
  ASSERT_EQ(browser.currentWidget(), &browser.Source());
  EXPECT_TRUE(browser.Source().toPlainText().contains(QStringLiteral("No such file or directory")))
      << browser.Source().toPlainText().toStdString();

  // The next good file brings the tree back.
  browser.Navigate(Write(QStringLiteral("good.xml"), "<a/>"));
  EXPECT_EQ(browser.currentWidget(), &browser.Tree());
  EXPECT_EQ(browser.Tree().topLevelItem(0)->text(0), QStringLiteral("<a/>"));
}

}  // namespace
}  // namespace window_shell
