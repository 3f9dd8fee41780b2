#include "window_shell/web_browser.h"

#include <QHeaderView>
#include <QList>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <filesystem>
#include <vector>

#include "files/files.h"

using namespace window_shell;

namespace {

// Each tree line keeps its plain text for display and search, and its coloured runs as
// (kind, length) pairs under RunsRole for the delegate.
enum Kind { kMarkup, kName, kAttributeName, kAttributeValue, kText, kComment, kKindCount };
constexpr int kRunsRole = Qt::UserRole + 1;

QColor ColourOf(int kind) {
  static const QColor colours[kKindCount] = {QColor(0x4b, 0x4b, 0x9c), QColor(0x8b, 0x1a, 0x4f),
                                             QColor(0xb0, 0x5a, 0x00), QColor(0x1a, 0x6e, 0x2a),
                                             QColor(0x20, 0x20, 0x20), QColor(0x80, 0x80, 0x80)};
  return colours[kind];
}

struct Line {
  QString text;
  QList<int> runs;

  Line& Add(Kind kind, const QString& part) {
    if (part.isEmpty()) return *this;
    text += part;
    runs << kind << static_cast<int>(part.size());
    return *this;
  }
  Line& Add(const Line& other) {
    text += other.text;
    runs += other.runs;
    return *this;
  }
  void Into(QTreeWidgetItem& item) const {
    item.setText(0, text);
    item.setData(0, kRunsRole, QVariant::fromValue(runs));
  }
};

class RunsDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem base = option;
    initStyleOption(&base, index);
    const QString text = base.text;
    base.text.clear();
    base.widget->style()->drawControl(QStyle::CE_ItemViewItem, &base, painter, base.widget);

    const QList<int> runs = index.data(kRunsRole).value<QList<int>>();
    const bool selected = option.state & QStyle::State_Selected;
    QRect area = option.rect.adjusted(3, 0, 0, 0);
    painter->save();
    qsizetype at = 0;
    for (qsizetype i = 0; i + 1 < runs.size() && area.width() > 0; i += 2) {
      const QString part = text.mid(at, runs[i + 1]);
      at += runs[i + 1];
      painter->setPen(selected ? option.palette.highlightedText().color() : ColourOf(runs[i]));
      painter->drawText(area, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, part);
      area.setLeft(area.left() + option.fontMetrics.horizontalAdvance(part));
    }
    painter->restore();
  }
};

Line StartTag(const QXmlStreamReader& xml) {
  Line line;
  line.Add(kMarkup, QStringLiteral("<")).Add(kName, xml.qualifiedName().toString());
  for (const QXmlStreamNamespaceDeclaration& ns : xml.namespaceDeclarations()) {
    const QString name = ns.prefix().isEmpty() ? QStringLiteral("xmlns")
                                               : QStringLiteral("xmlns:") + ns.prefix().toString();
    line.Add(kMarkup, QStringLiteral(" "))
        .Add(kAttributeName, name)
        .Add(kMarkup, QStringLiteral("="));
    line.Add(kAttributeValue, QLatin1Char('"') + ns.namespaceUri().toString() + QLatin1Char('"'));
  }
  for (const QXmlStreamAttribute& attribute : xml.attributes()) {
    line.Add(kMarkup, QStringLiteral(" "))
        .Add(kAttributeName, attribute.qualifiedName().toString())
        .Add(kMarkup, QStringLiteral("="));
    line.Add(kAttributeValue, QLatin1Char('"') + attribute.value().toString() + QLatin1Char('"'));
  }
  return line;
}

Line Markup(const QString& open, const QString& body, const QString& close, Kind kind) {
  Line line;
  return line.Add(kind, open + body + close);
}

// An element being read: its item, its start tag, and its text while it has no child element
// (a leaf shows as one line "<a>text</a>").
struct Frame {
  QTreeWidgetItem* item;
  QString name;
  Line start;
  Line content;
  bool hasChildren = false;
};

class TreeBuilder {
 public:
  // The top-level items of the document, or the parser's reason in `error`.
  QList<QTreeWidgetItem*> Build(const QByteArray& bytes, QString& error) {
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
      switch (xml.readNext()) {
        case QXmlStreamReader::StartDocument:
          if (!xml.documentVersion().isEmpty()) AddDeclaration(xml);
          break;
        case QXmlStreamReader::StartElement:
          if (++elements_ > kMaxElements) {
            Truncate();
            return top_;
          }
          Open(xml);
          break;
        case QXmlStreamReader::EndElement:
          Close();
          break;
        case QXmlStreamReader::Characters:
          if (!xml.isWhitespace()) AddText(xml);
          break;
        case QXmlStreamReader::EntityReference:
          AddContent(
              Markup(QStringLiteral("&"), xml.name().toString(), QStringLiteral(";"), kText));
          break;
        case QXmlStreamReader::Comment:
          AddLine(Markup(QStringLiteral("<!--"), xml.text().toString(), QStringLiteral("-->"),
                         kComment));
          break;
        case QXmlStreamReader::ProcessingInstruction:
          AddLine(Markup(QStringLiteral("<?"),
                         xml.processingInstructionTarget().toString() + QLatin1Char(' ') +
                             xml.processingInstructionData().toString(),
                         QStringLiteral("?>"), kComment));
          break;
        case QXmlStreamReader::DTD:
          AddLine(Markup({}, xml.text().toString(), {}, kComment));
          break;
        default:
          break;
      }
    }
    if (xml.hasError()) {
      error = QStringLiteral("%1 (linha %2, coluna %3)")
                  .arg(xml.errorString())
                  .arg(xml.lineNumber())
                  .arg(xml.columnNumber());
      qDeleteAll(top_);
      return {};
    }
    return top_;
  }

 private:
  QTreeWidgetItem* NewItem() {
    if (stack_.empty()) {
      top_.append(new QTreeWidgetItem);
      return top_.back();
    }
    Frame& parent = stack_.back();
    FlushText(parent);
    parent.hasChildren = true;
    return new QTreeWidgetItem(parent.item);
  }

  void AddLine(const Line& line) { line.Into(*NewItem()); }

  void AddDeclaration(const QXmlStreamReader& xml) {
    QString body = QStringLiteral("version=\"%1\"").arg(xml.documentVersion().toString());
    if (!xml.documentEncoding().isEmpty()) {
      body += QStringLiteral(" encoding=\"%1\"").arg(xml.documentEncoding().toString());
    }
    if (xml.isStandaloneDocument()) body += QStringLiteral(" standalone=\"yes\"");
    AddLine(Markup(QStringLiteral("<?xml "), body, QStringLiteral("?>"), kComment));
  }

  void Open(const QXmlStreamReader& xml) {
    QTreeWidgetItem* item = NewItem();
    stack_.push_back(Frame{item, xml.qualifiedName().toString(), StartTag(xml), {}, false});
  }

  void Close() {
    Frame frame = std::move(stack_.back());
    stack_.pop_back();
    Line line = frame.start;
    if (frame.hasChildren) {
      line.Add(kMarkup, QStringLiteral(">"));
    } else if (frame.content.text.isEmpty()) {
      line.Add(kMarkup, QStringLiteral("/>"));
    } else {
      line.Add(kMarkup, QStringLiteral(">")).Add(frame.content);
      line.Add(kMarkup, QStringLiteral("</"))
          .Add(kName, frame.name)
          .Add(kMarkup, QStringLiteral(">"));
    }
    line.Into(*frame.item);
  }

  void AddText(const QXmlStreamReader& xml) {
    if (xml.isCDATA()) {
      AddContent(
          Markup(QStringLiteral("<![CDATA["), xml.text().toString(), QStringLiteral("]]>"), kText));
    } else {
      AddContent(Line().Add(kText, xml.text().toString()));
    }
  }

  // Text of the open element: kept for a leaf line until a child element shows up.
  void AddContent(const Line& line) {
    if (stack_.empty()) return;
    Frame& frame = stack_.back();
    if (frame.hasChildren) {
      AddLine(line);
    } else {
      frame.content.Add(line);
    }
  }

  void FlushText(Frame& frame) {
    if (frame.hasChildren || frame.content.text.isEmpty()) return;
    frame.content.Into(*new QTreeWidgetItem(frame.item));
    frame.content = {};
  }

  // A large file shows its first elements only, so the pane stays quick to fill and to scroll;
  // the listings show the whole file.
  static constexpr int kMaxElements = 50000;

  void Truncate() {
    AddLine(
        Markup({}, QStringLiteral("… (arquivo extenso: o restante não é exibido)"), {}, kComment));
    while (!stack_.empty()) Close();
  }

  std::vector<Frame> stack_;
  QList<QTreeWidgetItem*> top_;
  int elements_ = 0;
};

}  // namespace

TWebBrowser::TWebBrowser(QWidget* parent) : QStackedWidget(parent) {}

void TWebBrowser::MakePages() {
  if (tree_ != nullptr) return;
  tree_ = new QTreeWidget(this);
  source_ = new QPlainTextEdit(this);
  tree_->setObjectName(QStringLiteral("XmlTree"));
  tree_->setHeaderHidden(true);
  tree_->setColumnCount(1);
  tree_->setUniformRowHeights(true);
  tree_->setItemDelegate(new RunsDelegate(tree_));
  tree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  tree_->header()->setStretchLastSection(false);
  source_->setObjectName(QStringLiteral("XmlSource"));
  source_->setReadOnly(true);
  source_->setLineWrapMode(QPlainTextEdit::NoWrap);
  addWidget(tree_);
  addWidget(source_);
}

QTreeWidget& TWebBrowser::Tree() {
  MakePages();
  return *tree_;
}

QPlainTextEdit& TWebBrowser::Source() {
  MakePages();
  return *source_;
}

void TWebBrowser::showEvent(QShowEvent* event) {
  MakePages();
  QStackedWidget::showEvent(event);
}

void TWebBrowser::Navigate(const QString& path) {
  path_ = path;
  QByteArray bytes;
  QString error;
  // Read as the documents are, so a path swapped after the open cannot hang or flood the pane.
  try {
    const std::string read = files::ReadFileBytes(std::filesystem::path(path.toStdU16String()));
    bytes = QByteArray(read.data(), static_cast<qsizetype>(read.size()));
  } catch (const files::Error& e) {
    error = QString::fromUtf8(e.what());
  }
  MakePages();
  tree_->clear();
  QList<QTreeWidgetItem*> items;
  if (error.isEmpty()) items = TreeBuilder().Build(bytes, error);
  if (!error.isEmpty()) {
    source_->setPlainText(QStringLiteral("Não foi possível exibir %1 como XML: %2\n\n%3")
                              .arg(path, error, QString::fromUtf8(bytes)));
    setCurrentWidget(source_);
    return;
  }
  tree_->addTopLevelItems(items);
  tree_->expandAll();
  setCurrentWidget(tree_);
}
