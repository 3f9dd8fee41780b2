#include "cancel_tool/tarvel_window.h"

#include <stdexcept>

#include "cancel_documents/request.h"
#include "cancel_documents/response.h"
#include "cancel_tool/request_fields.h"
#include "cancel_tool/response_listing.h"
#include "window_shell/window_shell.h"

namespace cancel_tool {

namespace {

using window_shell::GridFields;
using window_shell::ShellDescription;
using window_shell::ShellHandlers;
using window_shell::TValueListEditor;
namespace request = cancel_documents::request;
namespace response = cancel_documents::response;

const QString kTitle = QStringLiteral("Cancelamento de NFS-e");

// The cancellation bindings take 8-bit text: UTF-8, or on Windows the ANSI code page. Qt would
// put "?" in place of a character the encoding lacks (and of a lone surrogate anywhere); such
// text fails the action instead of being written or looked up changed.
std::string Local(const QString& text) {
  const QByteArray local = text.toLocal8Bit();
  if (QString::fromLocal8Bit(local) != text)
    throw std::runtime_error("the text holds a character the 8-bit encoding lacks");
  return local.toStdString();
}
QString FromLocal(const std::string& text) { return QString::fromLocal8Bit(text); }

ShellDescription TarvelDescription() {
  ShellDescription d;
  d.caption = QStringLiteral("Tarvel - ") + kTitle;
  d.title = kTitle;
  d.requestTab = QStringLiteral("CancelarNfseEnvio");
  d.responseTab = QStringLiteral("CancelarNfseResposta");
  d.upperGridTabs = {QStringLiteral("Pedido"), QStringLiteral("InfPedidoCancelamento")};
  d.lowerGridTab = QStringLiteral("IdentificacaoNfse");
  d.upperGrid = {{QStringLiteral("id"), QStringLiteral("1")},
                 {QStringLiteral("codigoCancelamento"), QStringLiteral("1")}};
  d.lowerGrid = {{QStringLiteral("numero"), QStringLiteral("1")},
                 {QStringLiteral("cnpj"), QStringLiteral("11222333000181")},
                 {QStringLiteral("inscricaoMunicipal"), QStringLiteral("Isento")},
                 {QStringLiteral("codigoMunicipio"), QStringLiteral("2927408")}};
  d.startTab = window_shell::kRequestTab;
  return d;
}

RequestFields FieldsOf(const TForm1& form) {
  const TValueListEditor& upper = form.ValueListEditor77();
  const TValueListEditor& lower = form.ValueListEditor3();
  return {Local(upper.Value(QStringLiteral("id"))),
          Local(upper.Value(QStringLiteral("codigoCancelamento"))),
          Local(lower.Value(QStringLiteral("numero"))),
          Local(lower.Value(QStringLiteral("cnpj"))),
          Local(lower.Value(QStringLiteral("inscricaoMunicipal"))),
          Local(lower.Value(QStringLiteral("codigoMunicipio")))};
}

void ShowFields(TForm1& form, const RequestFields& fields) {
  TValueListEditor& upper = form.ValueListEditor77();
  TValueListEditor& lower = form.ValueListEditor3();
  upper.SetValue(QStringLiteral("id"), FromLocal(fields.id));
  upper.SetValue(QStringLiteral("codigoCancelamento"), FromLocal(fields.codigoCancelamento));
  lower.SetValue(QStringLiteral("numero"), FromLocal(fields.numero));
  lower.SetValue(QStringLiteral("cnpj"), FromLocal(fields.cnpj));
  lower.SetValue(QStringLiteral("inscricaoMunicipal"), FromLocal(fields.inscricaoMunicipal));
  lower.SetValue(QStringLiteral("codigoMunicipio"), FromLocal(fields.codigoMunicipio));
}

// Tarvel's module state (the shell keeps the last opened path and the title) and handlers.
class TarvelHandlers : public ShellHandlers {
 public:
  ~TarvelHandlers() override {
    request_.reset();
    response_.reset();
  }

  // "1. Novo": a new request from the grids, current from its first step on.
  void Button10Click(TForm1& form) override {
    form.NewRequest([&] {
      request_ = request::NewCancelarNfseEnvio();
      request_->OwnerDocument()->SetEncoding("UTF-8");
      WriteRequest(*request_, FieldsOf(form));
    });
  }

  // "Abrir" on the request tab: a saved request back into the grids.
  void Button12Click(TForm1& form) override {
    form.OpenRequest(GridFields<RequestFields>{FieldsOf, ShowFields},
                     [&](const QString& path, RequestFields& fields) {
                       request_ = request::OpenCancelarNfseEnvio(Local(path));
                       ReadRequest(*request_, fields);
                     });
  }

  // "2.Salvar": the current request, as it is now, to the chosen file.
  void Button2Click(TForm1& form) override {
    form.SaveRequest(ProposedRequestName(form.ValueListEditor77().Value(QStringLiteral("Id"))),
                     request_.get());
  }

  // "Abrir" on the response tab: lists a cancellation response in Memo5.
  void Button3Click(TForm1& form) override {
    form.OpenFile([&](const QString& path) {
      response_ = response::OpenCancelarNfseResposta(Local(path));
      form.Memo5().List([&](std::vector<std::string>& lines) { ListResponse(*response_, lines); });
    });
  }

 private:
  std::shared_ptr<request::TXMLCancelarNfseEnvio> request_;
  std::shared_ptr<response::TXMLCancelarNfseResposta> response_;
};

}  // namespace

std::unique_ptr<QWidget> MakeTarvelWindow() {
  return std::make_unique<TForm1>(TarvelDescription(), std::make_unique<TarvelHandlers>());
}

}  // namespace cancel_tool
