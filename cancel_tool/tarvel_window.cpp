#include "cancel_tool/tarvel_window.h"

#include <stdexcept>

#include "cancel_documents/request.h"
#include "cancel_documents/response.h"
#include "cancel_tool/proposed_name.h"
#include "listings/cancel.h"
#include "window_shell/chosen_layout.h"
#include "window_shell/window_shell.h"

namespace cancel_tool {

namespace {

using window_shell::AcceptedInItsLayout;
using window_shell::ChosenLayout;
using window_shell::DocumentToSave;
using window_shell::ShellDescription;
using window_shell::ShellHandlers;
namespace request = cancel_documents::request;
namespace response = cancel_documents::response;

const QString kTitle = QStringLiteral("Cancelamento de NFS-e");

std::string Local(const QString& text) { return text.toLocal8Bit().toStdString(); }

ShellDescription TarvelDescription() {
  ShellDescription d;
  d.caption = QStringLiteral("Tarvel - ") + kTitle;
  d.title = kTitle;
  d.requestTab = QStringLiteral("CancelarNfseEnvio");
  d.responseTab = QStringLiteral("CancelarNfseResposta");
  d.upperGridTabs = {QStringLiteral("Pedido"), QStringLiteral("InfPedidoCancelamento")};
  d.lowerGridTab = QStringLiteral("IdentificacaoNfse");
  for (const listings::CancelRequestField& field : listings::CancelRequestFields()) {
    d.fields.push_back({field.grid == listings::Grid::Upper ? window_shell::Grid::Upper
                                                            : window_shell::Grid::Lower,
                        QString::fromUtf8(field.key), QString::fromUtf8(field.start)});
  }
  d.startTab = window_shell::kRequestTab;
  d.program = QStringLiteral("tarvel");
  return d;
}

// The grids' values as the request's fields take them: UTF-8.
std::vector<std::string> FieldTexts(const TForm1& form) {
  std::vector<std::string> texts;
  for (const QString& value : form.FieldValues()) texts.push_back(value.toStdString());
  return texts;
}

// Tarvel's module state (the shell keeps the last opened path and the title) and handlers.
class TarvelHandlers : public ShellHandlers {
 public:
  ~TarvelHandlers() override {
    request_.reset();
    response_.reset();
  }

  // "1. Novo": a new request in the chosen layout from the grids, current from its first step on.
  void OnNew(TForm1& form) override {
    form.NewRequest([&] {
      request_ = request::NewCancelarNfseEnvio(ChosenLayout(form));
      request_->OwnerDocument()->SetEncoding("UTF-8");
      listings::WriteRequest(*request_, listings::CancelRequestFields(), FieldTexts(form));
    });
  }

  // "Abrir" on the request tab: a saved request, read in the chosen layout, back into the grids,
  // up to a value that cannot be read.
  void OnOpenRequest(TForm1& form) override {
    form.OpenFile([&](const QString& path) {
      request_ =
          AcceptedInItsLayout(request::OpenCancelarNfseEnvio(Local(path), ChosenLayout(form)));
      const listings::Listing listing = listings::ListCancelRequest(*request_);
      form.ShowFieldValues(listings::Texts(listing.values));
      listings::ThrowIfStopped(listing);
    });
  }

  // "2.Salvar": the current request, as it is now, to the chosen file in the chosen layout;
  // before the first New or Open there is none, and the save fails.
  void OnSave(TForm1& form) override {
    form.SaveRequest(ProposedRequestName(form.UpperGrid().Value(QStringLiteral("Id"))),
                     [&](const std::filesystem::path& file) {
                       if (!request_) throw std::runtime_error("there is no request to save yet");
                       DocumentToSave(*request_, ChosenLayout(form))->SaveToFile(file);
                     });
  }

  // "Abrir" on the response tab: lists a cancellation response, read in the chosen layout, in the
  // lower listing box, up to a value that cannot be read.
  void OnOpenResponse(TForm1& form) override {
    form.OpenFile([&](const QString& path) {
      response_ =
          AcceptedInItsLayout(response::OpenCancelarNfseResposta(Local(path), ChosenLayout(form)));
      const listings::Listing listing = listings::ListCancelResponse(*response_);
      form.LowerListing().AddLines(listings::Lines(listing.values));
      listings::ThrowIfStopped(listing);
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
