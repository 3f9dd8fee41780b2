#include "query_tool/orvane_window.h"

#include <stdexcept>

#include "listings/query.h"
#include "query_documents/query_documents.h"
#include "query_tool/namespace_patch.h"
#include "query_tool/proposed_name.h"
#include "window_shell/chosen_layout.h"
#include "window_shell/window_shell.h"

namespace query_tool {

namespace {

using binding::Layout;
using window_shell::AcceptedInItsLayout;
using window_shell::ChosenLayout;
using window_shell::DocumentToSave;
using window_shell::ShellDescription;

const QString kTitle = QStringLiteral("Consulta de NFS-e");

ShellDescription OrvaneDescription() {
  ShellDescription d;
  d.caption = QStringLiteral("Orvane - ") + kTitle;
  d.title = kTitle;
  d.requestTab = QStringLiteral("ConsultarNfseRpsEnvio");
  d.responseTab = QStringLiteral("ConsultarNfseRpsResposta");
  d.upperGridTabs = {QStringLiteral("IdentificacaoRps")};
  d.lowerGridTab = QStringLiteral("Prestador");
  for (const listings::QueryRequestField& field : listings::QueryRequestFields()) {
    d.fields.push_back({field.grid == listings::Grid::Upper ? window_shell::Grid::Upper
                                                            : window_shell::Grid::Lower,
                        QString::fromUtf8(field.key), QString::fromUtf8(field.start)});
  }
  d.startTab = window_shell::kResponseTab;
  d.program = QStringLiteral("orvane");
  return d;
}

// The grids' values as the request's fields take them: UTF-16, so no character is lost.
std::vector<std::u16string> FieldTexts(const TForm1& form) {
  std::vector<std::u16string> texts;
  for (const QString& value : form.FieldValues()) texts.push_back(value.toStdU16String());
  return texts;
}

// Orvane's module state (the shell keeps the last opened path and the title) and handlers.
class OrvaneHandlers : public window_shell::ShellHandlers {
 public:
  ~OrvaneHandlers() override {
    request_.reset();
    response_.reset();
  }

  // "1. Novo": a new request in the chosen layout from the grids, current from its first step on.
  void OnNew(TForm1& form) override {
    form.NewRequest([&] {
      request_ = query_documents::NewConsultarNfseRpsEnvio(ChosenLayout(form));
      request_->OwnerDocument()->SetEncoding("UTF-8");
      listings::WriteRequest(*request_, listings::QueryRequestFields(), FieldTexts(form));
    });
  }

  // "Abrir" on the request tab: a request file, read in the chosen layout, back into the grids,
  // up to a value that cannot be read.
  void OnOpenRequest(TForm1& form) override {
    form.OpenFile([&](const QString& path) {
      request_ = AcceptedInItsLayout(
          query_documents::OpenConsultarNfseRpsEnvio(path.toStdU16String(), ChosenLayout(form)));
      const listings::Listing listing = listings::ListQueryRequest(*request_);
      form.ShowFieldValues(listings::Texts(listing.values));
      listings::ThrowIfStopped(listing);
    });
  }

  // "2.Salvar": the current request, as it is now, to a time-stamped file in the chosen layout.
  // Under the specified layout the file is then adjusted so that its five fields declare the
  // shared types namespace. The service layout writes them in that namespace already, so its file
  // stays exactly as written. Before the first New or Open there is no request, and the save
  // fails.
  void OnSave(TForm1& form) override {
    form.SaveRequest(ProposedRequestName(form.Now()), [&](const std::filesystem::path& file) {
      if (!request_) throw std::runtime_error("there is no request to save yet");
      const Layout layout = ChosenLayout(form);
      DocumentToSave(*request_, layout)->SaveToFile(file);
      if (layout == Layout::Specified) AdjustSavedRequest(file);
    });
  }

  // "Abrir" on the response tab: the returned NFS-e, read in the chosen layout, into the upper
  // listing box, its return messages into the lower one. A value that cannot be read stops the
  // listing; no later line goes to either box.
  void OnOpenResponse(TForm1& form) override {
    form.OpenFile([&](const QString& path) {
      response_ = AcceptedInItsLayout(
          query_documents::OpenConsultarNfseRpsResposta(path.toStdU16String(), ChosenLayout(form)));
      const listings::Listing listing = listings::ListQueryResponse(*response_);
      const auto [invoice, messages] = listings::SplitAtReturnMessages(listing);
      form.UpperListing().AddLines(listings::Lines(invoice));
      form.LowerListing().AddLines(listings::Lines(messages));
      listings::ThrowIfStopped(listing);
    });
  }

 private:
  std::shared_ptr<query_documents::TXMLConsultarNfseRpsEnvio> request_;
  std::shared_ptr<query_documents::TXMLConsultarNfseRpsResposta> response_;
};

}  // namespace

std::unique_ptr<QWidget> MakeOrvaneWindow() {
  return std::make_unique<TForm1>(OrvaneDescription(), std::make_unique<OrvaneHandlers>());
}

}  // namespace query_tool
