// Creates a cancellation request, saves it to the file named on the command line, reopens that
// file and prints what it holds.
#include <exception>
#include <iostream>

#include "cancel_documents/cancel_documents.h"

namespace request = cancel_documents::request;

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::cerr << "usage: " << argv[0] << " REQUEST.xml\n";
    return 2;
  }
  try {
    const auto created = request::NewCancelarNfseEnvio();
    created->OwnerDocument()->SetEncoding("UTF-8");
    const auto info = created->Pedido()->InfPedidoCancelamento();
    info->SetId("C1");
    info->IdentificacaoNfse()->SetNumero(2024);
    info->IdentificacaoNfse()->SetCnpj("11222333000181");
    info->IdentificacaoNfse()->SetInscricaoMunicipal("12345");
    info->IdentificacaoNfse()->SetCodigoMunicipio(2927408);
    info->SetCodigoCancelamento("2");
    created->OwnerDocument()->SaveToFile(argv[1]);

    const auto reopened = request::OpenCancelarNfseEnvio(argv[1]);
    const auto read = reopened->Pedido()->InfPedidoCancelamento();
    const auto nfse = read->IdentificacaoNfse();
    std::cout << "Namespace: " << request::TargetNamespace << '\n'
              << "Id: " << read->Id() << '\n'
              << "Numero: " << nfse->Numero() << '\n'
              << "Cnpj: " << nfse->Cnpj() << '\n'
              << "InscricaoMunicipal: " << nfse->InscricaoMunicipal() << '\n'
              << "CodigoMunicipio: " << nfse->CodigoMunicipio() << '\n'
              << "CodigoCancelamento: " << read->CodigoCancelamento() << '\n';
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "cancel_request: " << error.what() << '\n';
    return 1;
  }
}
