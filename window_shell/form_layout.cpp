// The layout of TForm1: its tabs, grids, boxes, preview pane, panel, buttons and dialogs.

#include "window_shell/form.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextOption>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>
#include <utility>

#include "window_shell/first_event.h"
#include "window_shell/layout_choice.h"
#include "window_shell/pictures.h"
#include "window_shell/platform.h"

using namespace window_shell;

namespace {

constexpr int kInformationHeight = 200;
constexpr int kLogHeight = 93;
constexpr int kPanelWidth = 248;
constexpr int kUpperGridHeight = 89;
constexpr int kUpperListingHeight = 299;
constexpr int kButtonBarHeight = 54;
constexpr int kButtonWidth = 121;
constexpr int kButtonHeight = 25;

const char* const kInformationText =
    "Como usar esta demonstração:\n"
    "1. Preencha os campos na aba do pedido.\n"
    "2. Clique em \"1. Novo\" para gerar o documento a partir dos campos.\n"
    "3. Clique em \"2.Salvar\" para gravar o documento como arquivo XML.\n"
    "Use \"Abrir\" para carregar um pedido salvo nos campos ou, na aba da resposta, para listar "
    "um arquivo de resposta recebido do serviço.\n"
    "Marque \"Layout do serviço\" para ler e gravar os arquivos como o serviço os envia e "
    "recebe.\n"
    "O último arquivo salvo ou aberto aparece acima; cada ação fica registrada no quadro abaixo.";

const char* const kHowToBuyText =
    "<h2>Como obter as ferramentas</h2>"
    "<p>Este programa é uma demonstração: monta, grava e lê os arquivos XML do serviço de Nota "
    "Fiscal de Serviço Eletrônica, sem enviar nada pela rede.</p>"
    "<p>Para obter a versão completa, com suporte e atualizações dos leiautes, visite "
    "<b>www.example.org/ferramentas</b> ou escreva para <b>contato@example.org</b>.</p>"
    "<p>A demonstração pode ser usada e copiada livremente para avaliação.</p>";

QLabel* MakeLabel(const QString& text, const QColor& colour, const QFont& font) {
  auto* label = new QLabel(text);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  label->setAlignment(Qt::AlignHCenter);
  return label;
}

QLabel* MakePicture(const QPixmap& pixmap) {
  auto* label = new QLabel;
  label->setPixmap(pixmap);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

QPushButton* MakeButton(QLayout& bar, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption);
  button->setObjectName(QLatin1String(name));
  button->setFixedSize(kButtonWidth, kButtonHeight);
  QFont font = button->font();
  font.setBold(true);
  button->setFont(font);
  bar.addWidget(button);
  return button;
}

// The layout choice at the right end of a button bar, so both request and response tabs show it.
void AddChoiceButton(QLayout& bar, QAction& choice, const char* name) {
  QToolButton* button = MakeChoiceButton(choice);
  button->setObjectName(QLatin1String(name));
  bar.addWidget(button);
}

QWidget* MakeButtonBar(QHBoxLayout*& layout) {
  auto* bar = new QWidget;
  bar->setFixedHeight(kButtonBarHeight);
  layout = new QHBoxLayout(bar);
  layout->setContentsMargins(8, 0, 8, 0);
  layout->setSpacing(8);
  return bar;
}

// A layout without margins or spacing, so nested tabs and boxes sit edge to edge.
template <class Box>
Box* EdgeToEdge(QWidget* owner = nullptr) {
  auto* box = new Box(owner);
  box->setContentsMargins(0, 0, 0, 0);
  box->setSpacing(0);
  return box;
}

// A tab control whose pages have no frame of their own: nested controls would otherwise draw a
// frame inside a frame down to the grids, which both crowds them and costs a good part of the
// first frame's painting.
QTabWidget* NewTabControl() {
  auto* tabs = new QTabWidget;
  tabs->setDocumentMode(true);
  return tabs;
}

QTabWidget* OneTab(QWidget* content, const QString& caption) {
  QTabWidget* tabs = NewTabControl();
  tabs->addTab(content, caption);
  return tabs;
}

TMemo* MakeMemo(const char* name) {
  auto* memo = new TMemo;
  memo->setObjectName(QLatin1String(name));
  return memo;
}

TMemo* MakeListing(const char* name) {
  TMemo* memo = MakeMemo(name);
  QTextOption option = memo->document()->defaultTextOption();
  option.setAlignment(Qt::AlignRight);
  memo->document()->setDefaultTextOption(option);
  return memo;
}

TValueListEditor* MakeGrid(const char* name, Grid which, const std::vector<GridField>& fields) {
  auto* grid = new TValueListEditor;
  grid->setObjectName(QLatin1String(name));
  for (const GridField& field : fields)
    if (field.grid == which) grid->SetValue(field.key, field.start);
  return grid;
}

// The white panel of the information tab: pictures, the program's name and two addresses.
void FillPanel(QWidget& panel) {
  QFont heading(QStringLiteral("Arial Black"));
  heading.setPixelSize(32);
  heading.setWeight(QFont::Black);
  QFont plain = panel.font();
  QFont link = plain;
  link.setBold(true);
  const QColor green(0x00, 0x80, 0x00);
  auto* column = new QVBoxLayout(&panel);
  column->setContentsMargins(8, 12, 8, 12);
  column->setSpacing(2);
  column->addWidget(MakePicture(InvoiceSheetPicture()));
  column->addWidget(MakeLabel(QStringLiteral("Nota Fiscal"), Qt::red, heading));
  column->addWidget(MakeLabel(QStringLiteral("Eletrônica"), Qt::blue, heading));
  column->addWidget(MakeLabel(QStringLiteral("de Serviço"), Qt::blue, heading));
  column->addSpacing(8);
  column->addWidget(MakeLabel(QStringLiteral("Demo v1.0"), Qt::black, plain));
  column->addWidget(MakeLabel(QStringLiteral("Formatado para v3.01"), Qt::black, plain));
  column->addStretch(1);
  column->addWidget(MakePicture(SealPicture()));
  column->addStretch(1);
  for (const QString& address :
       {QStringLiteral("www.example.org"), QStringLiteral("suporte.example.org")}) {
    QLabel* label = MakeLabel(address, green, link);
    label->setCursor(Qt::PointingHandCursor);
    column->addWidget(label);
  }
}

}  // namespace

TForm1::TForm1(ShellDescription description, std::unique_ptr<ShellHandlers> handlers,
               QWidget* parent)
    : QWidget(parent),
      handlers_(std::move(handlers)),
      fields_(description.fields),
      title_(description.title),
      clock_([] { return QDateTime::currentDateTime(); }) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(description.caption);
  resize(996, 640);
  serviceLayout_ = MakeServiceLayoutChoice(*this, SettingsFile(description.program));

  pages_ = NewTabControl();
  pages_->setObjectName(QStringLiteral("PageControl25"));
  pages_->addTab(MakeInformationPage(), QStringLiteral("Informações"));
  pages_->addTab(MakeRequestPage(description), description.requestTab);
  pages_->addTab(MakeResponsePage(), description.responseTab);
  pages_->addTab(MakeHowToBuyPage(), QStringLiteral("Como Comprar?"));
  pages_->setCurrentIndex(description.startTab);
  EdgeToEdge<QVBoxLayout>(this)->addWidget(pages_);
}

TForm1::~TForm1() {
  // The program's documents first, then the shell's own state.
  handlers_.reset();
  lastOpenedPath_.clear();
  title_.clear();
}

QWidget* TForm1::MakeInformationPage() {
  preview_ = new TWebBrowser;
  preview_->setObjectName(QStringLiteral("WebBrowser1"));

  information_ = MakeMemo("Memo3");
  information_->setFixedHeight(kInformationHeight);
  information_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  OnFirstEvent(*information_, QEvent::Show, [memo = information_] {
    QFont bold = memo->font();
    bold.setBold(true);
    memo->setFont(bold);
    QPalette blue = memo->palette();
    blue.setColor(QPalette::Text, Qt::blue);
    memo->setPalette(blue);
    memo->setPlainText(QString::fromUtf8(kInformationText));
  });

  log_ = MakeMemo("Memo1");
  log_->setFixedHeight(kLogHeight);
  log_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  auto* left = EdgeToEdge<QVBoxLayout>();
  left->addWidget(preview_, 1);
  left->addWidget(information_);
  left->addWidget(log_);

  auto* panel = new QWidget;
  OnFirstEvent(*panel, QEvent::Show, [panel] { FillPanel(*panel); });
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setFixedWidth(kPanelWidth);
  panel->setAutoFillBackground(true);
  QPalette white = panel->palette();
  white.setColor(QPalette::Window, Qt::white);
  panel->setPalette(white);

  auto* page = new QWidget;
  auto* row = EdgeToEdge<QHBoxLayout>(page);
  row->addLayout(left, 1);
  row->addWidget(panel);
  return page;
}

QWidget* TForm1::MakeRequestPage(const ShellDescription& description) {
  upperGrid_ = MakeGrid("ValueListEditor77", Grid::Upper, description.fields);
  upperGrid_->setFixedHeight(kUpperGridHeight);
  lowerGrid_ = MakeGrid("ValueListEditor3", Grid::Lower, description.fields);

  auto* gridsPage = new QWidget;
  auto* grids = EdgeToEdge<QVBoxLayout>(gridsPage);
  grids->addWidget(upperGrid_);
  grids->addWidget(OneTab(lowerGrid_, description.lowerGridTab), 1);
  QWidget* nested = gridsPage;
  for (auto tab = description.upperGridTabs.crbegin(); tab != description.upperGridTabs.crend();
       ++tab) {
    nested = OneTab(nested, *tab);
  }

  QHBoxLayout* buttons = nullptr;
  QWidget* bar = MakeButtonBar(buttons);
  QPushButton* create = MakeButton(*buttons, "Button10", QStringLiteral("1. Novo"));
  QPushButton* open = MakeButton(*buttons, "Button12", QStringLiteral("Abrir"));
  QPushButton* save = MakeButton(*buttons, "Button11", QStringLiteral("2.Salvar"));
  QPushButton* clear = MakeButton(*buttons, "Button14", QStringLiteral("Limpar Campos"));
  buttons->addStretch(1);
  AddChoiceButton(*buttons, *serviceLayout_, "ToolButton1");
  connect(create, &QPushButton::clicked, this, [this] { handlers_->OnNew(*this); });
  connect(open, &QPushButton::clicked, this, [this] { handlers_->OnOpenRequest(*this); });
  connect(save, &QPushButton::clicked, this, [this] { handlers_->OnSave(*this); });
  connect(clear, &QPushButton::clicked, this, &TForm1::OnClear);

  auto* page = new QWidget;
  auto* column = EdgeToEdge<QVBoxLayout>(page);
  column->addWidget(nested, 1);
  column->addWidget(bar);
  return page;
}

QWidget* TForm1::MakeResponsePage() {
  upperListing_ = MakeListing("Memo4");
  lowerListing_ = MakeListing("Memo5");
  QTabWidget* upper = OneTab(upperListing_, QStringLiteral("ListaNfse"));
  upper->setFixedHeight(kUpperListingHeight);

  QHBoxLayout* buttons = nullptr;
  QWidget* bar = MakeButtonBar(buttons);
  QPushButton* open = MakeButton(*buttons, "Button3", QStringLiteral("Abrir"));
  buttons->addSpacing(kButtonWidth);
  QPushButton* clear = MakeButton(*buttons, "Button4", QStringLiteral("Limpar Campos"));
  buttons->addStretch(1);
  AddChoiceButton(*buttons, *serviceLayout_, "ToolButton2");
  connect(open, &QPushButton::clicked, this, [this] { handlers_->OnOpenResponse(*this); });
  connect(clear, &QPushButton::clicked, this, &TForm1::OnClear);

  responsePage_ = new QWidget;
  auto* column = EdgeToEdge<QVBoxLayout>(responsePage_);
  column->addWidget(upper);
  column->addWidget(OneTab(lowerListing_, QStringLiteral("ListaMensagemRetorno")), 1);
  column->addWidget(bar);
  return responsePage_;
}

QWidget* TForm1::MakeHowToBuyPage() {
  auto* page = new QWidget;
  OnFirstEvent(*page, QEvent::Show, [page] {
    auto* text = new QLabel(QString::fromUtf8(kHowToBuyText));
    text->setObjectName(QStringLiteral("HowToBuyText"));
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setContentsMargins(24, 16, 24, 16);
    EdgeToEdge<QVBoxLayout>(page)->addWidget(text);
  });
  return page;
}

QFileDialog& TForm1::SaveDialog() {
  if (saveDialog_ != nullptr) return *saveDialog_;
  saveDialog_ = new QFileDialog(this, QStringLiteral("Salvar"));
  saveDialog_->setObjectName(QStringLiteral("SaveDialog1"));
  saveDialog_->setOption(QFileDialog::DontUseNativeDialog);
  saveDialog_->setOption(QFileDialog::DontConfirmOverwrite);
  saveDialog_->setAcceptMode(QFileDialog::AcceptSave);
  saveDialog_->setFileMode(QFileDialog::AnyFile);
  saveDialog_->setDefaultSuffix(QStringLiteral("xml"));
  saveDialog_->setNameFilter(QStringLiteral("Arquivos XML (*.xml)"));
  saveDialog_->setDirectory(InitialSaveFolder());
  saveDialog_->selectFile(QStringLiteral("NF-e.xml"));
  return *saveDialog_;
}

QFileDialog& TForm1::OpenDialog() {
  if (openDialog_ != nullptr) return *openDialog_;
  // Accepts names that do not exist: they fail later, when the handler parses them.
  openDialog_ = new QFileDialog(this, QStringLiteral("Abrir"));
  openDialog_->setObjectName(QStringLiteral("OpenDialog1"));
  openDialog_->setOption(QFileDialog::DontUseNativeDialog);
  openDialog_->setAcceptMode(QFileDialog::AcceptOpen);
  openDialog_->setFileMode(QFileDialog::AnyFile);
  return *openDialog_;
}
