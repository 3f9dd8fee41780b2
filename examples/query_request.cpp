// Creates a query of an NFS-e by its RPS, saves it to the file named on the command line, reopens
// that file and prints what it holds. The query bindings take and give UTF-16 text.
#include <exception>
#include <iostream>

#include "query_documents/query_documents.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::cerr << "usage: " << argv[0] << " QUERY.xml\n";
    return 2;
  }
  using binding::Utf16ToUtf8;
  try {
    const auto created = query_documents::NewConsultarNfseRpsEnvio();
    created->OwnerDocument()->SetEncoding("UTF-8");
    created->IdentificacaoRps()->SetNumero(4);
    created->IdentificacaoRps()->SetSerie(u"A1");
    created->IdentificacaoRps()->SetTipo(1);
    created->Prestador()->SetCnpj(u"99888777000166");
    created->Prestador()->SetInscricaoMunicipal(u"552190");
    created->OwnerDocument()->SaveToFile(argv[1]);

    const auto reopened = query_documents::OpenConsultarNfseRpsEnvio(binding::Utf8ToUtf16(argv[1]));
    const auto rps = reopened->IdentificacaoRps();
    const auto provider = reopened->Prestador();
    std::cout << "Namespace: " << query_documents::RequestNamespace << '\n'
              << "Numero: " << rps->Numero() << '\n'
              << "Serie: " << Utf16ToUtf8(rps->Serie()) << '\n'
              << "Tipo: " << int{rps->Tipo()} << '\n'
              << "Cnpj: " << Utf16ToUtf8(provider->Cnpj()) << '\n'
              << "InscricaoMunicipal: " << Utf16ToUtf8(provider->InscricaoMunicipal()) << '\n';
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "query_request: " << error.what() << '\n';
    return 1;
  }
}
