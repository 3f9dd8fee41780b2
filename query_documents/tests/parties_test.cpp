#include "query_documents/parties.h"

#include <gtest/gtest.h>

#include <string>

#include "query_documents/tests/invoice_fixture.h"

namespace {

using invoice_fixture::InfNfse;
using invoice_fixture::Parse;
using invoice_fixture::Saved;

// The address view and the street inside it share the name "Endereco": the view's reader gives
// the inner element's text, and house numbers stay text.
TEST(Parties, AddressStreetIsTheInnerEnderecoAndItsNumberStaysText) {
  const auto body =
      Parse(InfNfse("<PrestadorServico><Endereco><Endereco>Rua A</Endereco><Numero>S/N</Numero>"
                    "<Uf>sao paulo</Uf></Endereco></PrestadorServico>"));
  const auto address = body->PrestadorServico()->Endereco();
  EXPECT_EQ(address->NodeName(), "Endereco");
  EXPECT_EQ(address->ParentNode()->NodeName(), "PrestadorServico");
  EXPECT_EQ(address->Endereco(), u"Rua A");
  EXPECT_EQ(address->Numero(), u"S/N");
  EXPECT_EQ(address->Uf(), u"sao paulo");
  address->SetNumero(u"0012");
  EXPECT_EQ(address->Numero(), u"0012");
}

// A postal code is an integer: its leading zeros do not survive a read followed by a write.
TEST(Parties, PostalCodeLosesLeadingZerosOnTheWayBack) {
  const auto body =
      Parse(InfNfse("<TomadorServico><Endereco><Cep>01000000</Cep></Endereco></TomadorServico>"));
  const auto address = body->TomadorServico()->Endereco();
  address->SetCep(address->Cep());
  EXPECT_EQ(Saved(body),
            InfNfse("<TomadorServico><Endereco><Cep>1000000</Cep></Endereco></TomadorServico>"));
}

// Either tax number may be present; reading the other creates it empty, and both may be written.
TEST(Parties, CpfCnpjHoldsEitherOrBoth) {
  const auto body = Parse(
      InfNfse("<TomadorServico><IdentificacaoTomador><CpfCnpj><Cnpj>11222333000181</Cnpj></CpfCnpj>"
              "</IdentificacaoTomador></TomadorServico>"));
  const auto taxNumber = body->TomadorServico()->IdentificacaoTomador()->CpfCnpj();
  EXPECT_EQ(taxNumber->Cnpj(), u"11222333000181");
  EXPECT_EQ(taxNumber->Cpf(), u"");
  body->IntermediarioServico()->CpfCnpj()->SetCpf(u"1");
  body->IntermediarioServico()->CpfCnpj()->SetCnpj(u"2");
  EXPECT_EQ(Saved(body),
            InfNfse("<TomadorServico><IdentificacaoTomador><CpfCnpj><Cnpj>11222333000181</Cnpj>"
                    "<Cpf></Cpf></CpfCnpj></IdentificacaoTomador></TomadorServico>"
                    "<IntermediarioServico><CpfCnpj><Cpf>1</Cpf><Cnpj>2</Cnpj></CpfCnpj>"
                    "</IntermediarioServico>"));
}

// Provider and taker have contacts and addresses of the same types but of their own elements.
TEST(Parties, ProviderAndTakerPartsAreIndependent) {
  const auto body =
      Parse(InfNfse("<PrestadorServico><Contato><Telefone>1</Telefone></Contato></PrestadorServico>"
                    "<TomadorServico><Contato><Telefone>2</Telefone></Contato></TomadorServico>"));
  body->TomadorServico()->Contato()->SetTelefone(u"3");
  body->TomadorServico()->Endereco()->SetBairro(u"Sul");
  EXPECT_EQ(body->PrestadorServico()->Contato()->Telefone(), u"1");
  EXPECT_EQ(body->TomadorServico()->Contato()->Telefone(), u"3");
  EXPECT_EQ(body->PrestadorServico()->Endereco()->Bairro(), u"");
  EXPECT_EQ(body->TomadorServico()->Endereco()->Bairro(), u"Sul");
}

// The provider's identification is the request's type, under its own element name.
TEST(Parties, ProviderIdentificationIsTheSharedType) {
  const auto body =
      Parse(InfNfse("<PrestadorServico><IdentificacaoPrestador><Cnpj>9</Cnpj>"
                    "<InscricaoMunicipal>00552190</InscricaoMunicipal></IdentificacaoPrestador>"
                    "</PrestadorServico>"));
  const std::shared_ptr<query_documents::TXMLTcIdentificacaoPrestador> id =
      body->PrestadorServico()->IdentificacaoPrestador();
  EXPECT_EQ(id->Cnpj(), u"9");
  EXPECT_EQ(id->InscricaoMunicipal(), u"00552190");
}

// Without "OrgaoGerador", reading its municipality fails and leaves both elements behind.
TEST(Parties, AbsentIssuingBodyFailsAndIsCreated) {
  const auto body = Parse(InfNfse("<ConstrucaoCivil><Art>A</Art></ConstrucaoCivil>"));
  EXPECT_THROW(body->OrgaoGerador()->CodigoMunicipio(), binding::ConversionError);
  EXPECT_EQ(body->ConstrucaoCivil()->CodigoObra(), u"");
  EXPECT_EQ(Saved(body),
            InfNfse("<ConstrucaoCivil><Art>A</Art><CodigoObra></CodigoObra></ConstrucaoCivil>"
                    "<OrgaoGerador><CodigoMunicipio></CodigoMunicipio></OrgaoGerador>"));
}

}  // namespace
