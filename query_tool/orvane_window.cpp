#include "query_tool/orvane_window.h"

#include "query_documents/request.h"
#include "query_tool/namespace_patch.h"
#include "query_tool/request_fields.h"
#include "window_shell/window_shell.h"

namespace query_tool {

namespace {

using window_shell::GridFields;
using window_shell::ShellDescription;
using window_shell::TValueListEditor;

const QString kTitle = QStringLiteral("Consulta de NFS-e");

ShellDescription OrvaneDescription() {
  ShellDescription d;
  d.caption = QStringLiteral("Orvane - ") + kTitle;
  d.title = kTitle;
  d.requestTab = QStringLiteral("ConsultarNfseRpsEnvio");
  d.responseTab = QStringLiteral("ConsultarNfseRpsResposta");
  d.upperGridTabs = {QStringLiteral("IdentificacaoRps")};
  d.lowerGridTab = QStringLiteral("Prestador");
  d.upperGrid = {{QStringLiteral("Numero"), QStringLiteral("4")},
                 {QStringLiteral("Serie"), QStringLiteral("1")},
                 {QStringLiteral("Tipo"), QStringLiteral("1")}};
  d.lowerGrid = {{QStringLiteral("Cnpj"), QStringLiteral("99888777000166")},
                 {QStringLiteral("InscricaoMunicipal"), QStringLiteral("552190")}};
  d.startTab = window_shell::kResponseTab;
  return d;
}

RequestFields FieldsOf(const TForm1& form) {
  const TValueListEditor& upper = form.ValueListEditor77();
  const TValueListEditor& lower = form.ValueListEditor3();
  return {upper.Value(QStringLiteral("Numero")), upper.Value(QStringLiteral("Serie")),
          upper.Value(QStringLiteral("Tipo")), lower.Value(QStringLiteral("Cnpj")),
          lower.Value(QStringLiteral("InscricaoMunicipal"))};
}

void ShowFields(TForm1& form, const RequestFields& fields) {
  TValueListEditor& upper = form.ValueListEditor77();
  TValueListEditor& lower = form.ValueListEditor3();
  upper.SetValue(QStringLiteral("Numero"), fields.numero);
  upper.SetValue(QStringLiteral("Serie"), fields.serie);
  upper.SetValue(QStringLiteral("Tipo"), fields.tipo);
  lower.SetValue(QStringLiteral("Cnpj"), fields.cnpj);
  lower.SetValue(QStringLiteral("InscricaoMunicipal"), fields.inscricaoMunicipal);
}

// Orvane's module state (the shell keeps the last opened path and the title) and handlers.
class OrvaneHandlers : public window_shell::ShellHandlers {
 public:
  ~OrvaneHandlers() override { request_.reset(); }

  // "1. Novo": a new request from the grids, current from its first step on.
  void Button10Click(TForm1& form) override {
    form.NewRequest([&] {
      request_ = query_documents::NewConsultarNfseRpsEnvio();
      request_->OwnerDocument()->SetEncoding("UTF-8");
      WriteRequest(*request_, FieldsOf(form));
    });
  }

  // "Abrir" on the request tab: a request file back into the grids.
  void Button12Click(TForm1& form) override {
    form.OpenRequest(GridFields<RequestFields>{FieldsOf, ShowFields},
                     [&](const QString& path, RequestFields& fields) {
                       request_ = query_documents::OpenConsultarNfseRpsEnvio(path.toStdU16String());
                       ReadRequest(*request_, fields);
                     });
  }

  // "2.Salvar": the current request, as it is now, to a time-stamped file, which is then
  // adjusted so that its five fields declare the shared types namespace.
  void Button2Click(TForm1& form) override {
    form.SaveRequest(ProposedRequestName(form.Now()), request_.get(), AdjustSavedRequest);
  }

  // "Abrir" on the response tab lists a query response; until that listing exists it does
  // nothing.
  void Button3Click(TForm1& /*form*/) override {}

 private:
  std::shared_ptr<query_documents::TXMLConsultarNfseRpsEnvio> request_;
};

}  // namespace

std::unique_ptr<QWidget> MakeOrvaneWindow() {
  return std::make_unique<TForm1>(OrvaneDescription(), std::make_unique<OrvaneHandlers>());
}

}  // namespace query_tool
