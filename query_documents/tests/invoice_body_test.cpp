#include "query_documents/invoice_body.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "query_documents/tests/invoice_fixture.h"

namespace {

using namespace query_documents;
using invoice_fixture::InfNfse;
using invoice_fixture::NewBody;
using invoice_fixture::Parse;
using invoice_fixture::Saved;

// Every element of the body once, in schema order, each value distinct. Amounts, dates and codes
// are in forms a reformatting reader or writer would change.
const std::string kCompleteBody = InfNfse(
    "<Numero>2009000123</Numero><CodigoVerificacao>X9-Q</CodigoVerificacao>"
    "<DataEmissao>2009-07-24T10:30:00-03:00</DataEmissao>"
    "<IdentificacaoRps><Numero>17</Numero><Serie>A1</Serie><Tipo>3</Tipo></IdentificacaoRps>"
    "<DataEmissaoRps>24/07/2009</DataEmissaoRps><NaturezaOperacao>1</NaturezaOperacao>"
    "<RegimeEspecialTributacao>6</RegimeEspecialTributacao>"
    "<OptanteSimplesNacional>2</OptanteSimplesNacional>"
    "<IncentivadorCultural>-2</IncentivadorCultural><Competencia>2009-07</Competencia>"
    "<NfseSubstituida>2009000100</NfseSubstituida>"
    "<OutrasInformacoes> livre &amp; \xC3\xA7 </OutrasInformacoes>"
    "<Servico><Valores><ValorServicos>1000.00</ValorServicos><ValorDeducoes>0</ValorDeducoes>"
    "<ValorPis>6.5</ValorPis><ValorCofins>30,00</ValorCofins><ValorInss>1.000,00</ValorInss>"
    "<ValorIr>15.000</ValorIr><ValorCsll>1e3</ValorCsll><IssRetido>2</IssRetido>"
    "<ValorIss>50.00</ValorIss><ValorIssRetido>0.00</ValorIssRetido>"
    "<OutrasRetencoes>.5</OutrasRetencoes><BaseCalculo>+1000</BaseCalculo>"
    "<Aliquota>0.0500</Aliquota><ValorLiquidoNfse>950.0</ValorLiquidoNfse>"
    "<DescontoIncondicionado>-0</DescontoIncondicionado>"
    "<DescontoCondicionado>0.10</DescontoCondicionado></Valores>"
    "<ItemListaServico>01.05</ItemListaServico><CodigoCnae>6201500</CodigoCnae>"
    "<CodigoTributacaoMunicipio>010501</CodigoTributacaoMunicipio>"
    "<Discriminacao>Linha 1\nLinha 2</Discriminacao><CodigoMunicipio>3550308</CodigoMunicipio>"
    "</Servico><ValorCredito>0.00</ValorCredito>"
    "<PrestadorServico><IdentificacaoPrestador><Cnpj>99888777000166</Cnpj>"
    "<InscricaoMunicipal>00552190</InscricaoMunicipal></IdentificacaoPrestador>"
    "<RazaoSocial>Prestadora Ltda</RazaoSocial><NomeFantasia>Presta</NomeFantasia>"
    "<Endereco><Endereco>Rua A</Endereco><Numero>S/N</Numero><Complemento>sala 2</Complemento>"
    "<Bairro>Centro</Bairro><CodigoMunicipio>3550308</CodigoMunicipio><Uf>SP</Uf>"
    "<Cep>1000000</Cep></Endereco><Contato><Telefone>(11) 5555-0000</Telefone>"
    "<Email>a@b.example</Email></Contato></PrestadorServico>"
    "<TomadorServico><IdentificacaoTomador><CpfCnpj><Cpf>12345678909</Cpf>"
    "<Cnpj>11222333000181</Cnpj></CpfCnpj><InscricaoMunicipal>77</InscricaoMunicipal>"
    "</IdentificacaoTomador><RazaoSocial>Tomador SA</RazaoSocial>"
    "<Endereco><Endereco>Av. B</Endereco><Numero>100A</Numero><Complemento></Complemento>"
    "<Bairro>Sul</Bairro><CodigoMunicipio>-4</CodigoMunicipio><Uf>rj</Uf><Cep>20000000</Cep>"
    "</Endereco><Contato><Telefone>21</Telefone><Email>t@t</Email></Contato></TomadorServico>"
    "<IntermediarioServico><RazaoSocial>Inter</RazaoSocial><CpfCnpj><Cpf>1</Cpf><Cnpj>2</Cnpj>"
    "</CpfCnpj><InscricaoMunicipal>3</InscricaoMunicipal></IntermediarioServico>"
    "<OrgaoGerador><CodigoMunicipio>3304557</CodigoMunicipio><Uf>RJ</Uf></OrgaoGerador>"
    "<ConstrucaoCivil><CodigoObra>OB-1</CodigoObra><Art>ART 9</Art></ConstrucaoCivil>");

// Copies one view into another through every reader and writer, in table order, so that the
// target's elements appear in the order of the source's.
void Copy(TXMLTcIdentificacaoRps& from, TXMLTcIdentificacaoRps& to) {
  to.SetNumero(from.Numero());
  to.SetSerie(from.Serie());
  to.SetTipo(from.Tipo());
}
void Copy(TXMLTcIdentificacaoPrestador& from, TXMLTcIdentificacaoPrestador& to) {
  to.SetCnpj(from.Cnpj());
  to.SetInscricaoMunicipal(from.InscricaoMunicipal());
}
void Copy(TXMLTcEndereco& from, TXMLTcEndereco& to) {
  to.SetEndereco(from.Endereco());
  to.SetNumero(from.Numero());
  to.SetComplemento(from.Complemento());
  to.SetBairro(from.Bairro());
  to.SetCodigoMunicipio(from.CodigoMunicipio());
  to.SetUf(from.Uf());
  to.SetCep(from.Cep());
}
void Copy(TXMLTcContato& from, TXMLTcContato& to) {
  to.SetTelefone(from.Telefone());
  to.SetEmail(from.Email());
}
void Copy(TXMLTcCpfCnpj& from, TXMLTcCpfCnpj& to) {
  to.SetCpf(from.Cpf());
  to.SetCnpj(from.Cnpj());
}
void Copy(TXMLTcValores& from, TXMLTcValores& to) {
  to.SetValorServicos(from.ValorServicos());
  to.SetValorDeducoes(from.ValorDeducoes());
  to.SetValorPis(from.ValorPis());
  to.SetValorCofins(from.ValorCofins());
  to.SetValorInss(from.ValorInss());
  to.SetValorIr(from.ValorIr());
  to.SetValorCsll(from.ValorCsll());
  to.SetIssRetido(from.IssRetido());
  to.SetValorIss(from.ValorIss());
  to.SetValorIssRetido(from.ValorIssRetido());
  to.SetOutrasRetencoes(from.OutrasRetencoes());
  to.SetBaseCalculo(from.BaseCalculo());
  to.SetAliquota(from.Aliquota());
  to.SetValorLiquidoNfse(from.ValorLiquidoNfse());
  to.SetDescontoIncondicionado(from.DescontoIncondicionado());
  to.SetDescontoCondicionado(from.DescontoCondicionado());
}
void Copy(TXMLTcDadosServico& from, TXMLTcDadosServico& to) {
  Copy(*from.Valores(), *to.Valores());
  to.SetItemListaServico(from.ItemListaServico());
  to.SetCodigoCnae(from.CodigoCnae());
  to.SetCodigoTributacaoMunicipio(from.CodigoTributacaoMunicipio());
  to.SetDiscriminacao(from.Discriminacao());
  to.SetCodigoMunicipio(from.CodigoMunicipio());
}
void Copy(TXMLTcDadosPrestador& from, TXMLTcDadosPrestador& to) {
  Copy(*from.IdentificacaoPrestador(), *to.IdentificacaoPrestador());
  to.SetRazaoSocial(from.RazaoSocial());
  to.SetNomeFantasia(from.NomeFantasia());
  Copy(*from.Endereco(), *to.Endereco());
  Copy(*from.Contato(), *to.Contato());
}
void Copy(TXMLTcDadosTomador& from, TXMLTcDadosTomador& to) {
  Copy(*from.IdentificacaoTomador()->CpfCnpj(), *to.IdentificacaoTomador()->CpfCnpj());
  to.IdentificacaoTomador()->SetInscricaoMunicipal(
      from.IdentificacaoTomador()->InscricaoMunicipal());
  to.SetRazaoSocial(from.RazaoSocial());
  Copy(*from.Endereco(), *to.Endereco());
  Copy(*from.Contato(), *to.Contato());
}
void Copy(TXMLTcIdentificacaoIntermediarioServico& from,
          TXMLTcIdentificacaoIntermediarioServico& to) {
  to.SetRazaoSocial(from.RazaoSocial());
  Copy(*from.CpfCnpj(), *to.CpfCnpj());
  to.SetInscricaoMunicipal(from.InscricaoMunicipal());
}
void Copy(TXMLTcInfNfse& from, TXMLTcInfNfse& to) {
  to.SetId(from.Id());
  to.SetNumero(from.Numero());
  to.SetCodigoVerificacao(from.CodigoVerificacao());
  to.SetDataEmissao(from.DataEmissao());
  Copy(*from.IdentificacaoRps(), *to.IdentificacaoRps());
  to.SetDataEmissaoRps(from.DataEmissaoRps());
  to.SetNaturezaOperacao(from.NaturezaOperacao());
  to.SetRegimeEspecialTributacao(from.RegimeEspecialTributacao());
  to.SetOptanteSimplesNacional(from.OptanteSimplesNacional());
  to.SetIncentivadorCultural(from.IncentivadorCultural());
  to.SetCompetencia(from.Competencia());
  to.SetNfseSubstituida(from.NfseSubstituida());
  to.SetOutrasInformacoes(from.OutrasInformacoes());
  Copy(*from.Servico(), *to.Servico());
  to.SetValorCredito(from.ValorCredito());
  Copy(*from.PrestadorServico(), *to.PrestadorServico());
  Copy(*from.TomadorServico(), *to.TomadorServico());
  Copy(*from.IntermediarioServico(), *to.IntermediarioServico());
  to.OrgaoGerador()->SetCodigoMunicipio(from.OrgaoGerador()->CodigoMunicipio());
  to.OrgaoGerador()->SetUf(from.OrgaoGerador()->Uf());
  to.ConstrucaoCivil()->SetCodigoObra(from.ConstrucaoCivil()->CodigoObra());
  to.ConstrucaoCivil()->SetArt(from.ConstrucaoCivil()->Art());
}

// Every reader finds its element under the schema's name (reading adds nothing to the source)
// and every writer writes it: a body copied value by value into a new document saves as the
// same bytes, with no text reformatted on the way.
TEST(InvoiceBody, EveryValueCopiesThroughItsReaderAndWriter) {
  const auto source = Parse(kCompleteBody);
  const auto target = NewBody();
  for (const auto& body : {source, target}) body->OwnerDocument()->SetEncoding("UTF-8");
  source->SetId(u"nfse-1");
  Copy(*source, *target);
  const std::string withId = Saved(source);
  EXPECT_EQ(Saved(target), withId);
  std::string expected = kCompleteBody;
  expected.insert(expected.find('>'), " Id=\"nfse-1\"");
  EXPECT_EQ(withId, expected);
}

TEST(InvoiceBody, TextKeepsNonAsciiAndBlanks) {
  const auto body = Parse(kCompleteBody);
  EXPECT_EQ(body->OutrasInformacoes(), u" livre & \u00E7 ");
  EXPECT_EQ(body->Servico()->Discriminacao(), u"Linha 1\nLinha 2");
  EXPECT_EQ(body->Servico()->Valores()->Aliquota(), u"0.0500");
}

struct IntegerRead {
  const char* xml;  // inside "InfNfse"
  std::function<std::int64_t(TXMLTcInfNfse&)> read;
  std::int64_t expected;
};

// Each width keeps its own bits of the converted number and never checks a range.
TEST(InvoiceBody, IntegersWrapToTheirWidth) {
  const IntegerRead cases[] = {
      {"<Numero>4294967297</Numero>", [](auto& b) { return b.Numero(); }, 1},
      {"<Numero>-1</Numero>", [](auto& b) { return b.Numero(); }, 4294967295},
      {"<NfseSubstituida> 4294967295 </NfseSubstituida>",
       [](auto& b) { return b.NfseSubstituida(); }, 4294967295},
      {"<NaturezaOperacao>200</NaturezaOperacao>", [](auto& b) { return b.NaturezaOperacao(); },
       -56},
      {"<NaturezaOperacao>300</NaturezaOperacao>", [](auto& b) { return b.NaturezaOperacao(); },
       44},
      {"<RegimeEspecialTributacao>-129</RegimeEspecialTributacao>",
       [](auto& b) { return b.RegimeEspecialTributacao(); }, 127},
      {"<OptanteSimplesNacional>256</OptanteSimplesNacional>",
       [](auto& b) { return b.OptanteSimplesNacional(); }, 0},
      {"<IncentivadorCultural>+2</IncentivadorCultural>",
       [](auto& b) { return b.IncentivadorCultural(); }, 2},
      {"<Servico><Valores><IssRetido>255</IssRetido></Valores></Servico>",
       [](auto& b) { return b.Servico()->Valores()->IssRetido(); }, -1},
      {"<Servico><CodigoCnae>-2147483648</CodigoCnae></Servico>",
       [](auto& b) { return b.Servico()->CodigoCnae(); }, INT32_MIN},
      {"<IdentificacaoRps><Tipo>300</Tipo></IdentificacaoRps>",
       [](auto& b) { return b.IdentificacaoRps()->Tipo(); }, 44},
      {"<PrestadorServico><Endereco><Cep>01000000</Cep></Endereco></PrestadorServico>",
       [](auto& b) { return b.PrestadorServico()->Endereco()->Cep(); }, 1000000},
  };
  for (const auto& c : cases) {
    const auto body = Parse(InfNfse(c.xml));
    EXPECT_EQ(c.read(*body), c.expected) << c.xml;
  }
}

struct IntegerWrite {
  std::function<void(TXMLTcInfNfse&)> write;
  const char* expected;  // inside "InfNfse"
};

// Integers are always written as the decimal text of a signed 32-bit value.
TEST(InvoiceBody, IntegersWriteAsSigned32BitText) {
  const IntegerWrite cases[] = {
      {[](auto& b) { b.SetNumero(4294967295u); }, "<Numero>-1</Numero>"},
      {[](auto& b) { b.SetNfseSubstituida(2147483648u); },
       "<NfseSubstituida>-2147483648</NfseSubstituida>"},
      {[](auto& b) { b.SetNaturezaOperacao(-1); }, "<NaturezaOperacao>-1</NaturezaOperacao>"},
      {[](auto& b) { b.Servico()->Valores()->SetIssRetido(-128); },
       "<Servico><Valores><IssRetido>-128</IssRetido></Valores></Servico>"},
      {[](auto& b) { b.PrestadorServico()->Endereco()->SetCep(1000000); },
       "<PrestadorServico><Endereco><Cep>1000000</Cep></Endereco></PrestadorServico>"},
  };
  for (const auto& c : cases) {
    const auto body = NewBody();
    c.write(*body);
    EXPECT_EQ(Saved(body), InfNfse(c.expected));
  }
}

// Amounts, rates and dates are text both ways: whatever is stored reads back unchanged, and
// whatever is written is stored unchanged.
TEST(InvoiceBody, AmountsAndDatesAreNeverReformatted) {
  const auto body = Parse(InfNfse(
      "<DataEmissao>24/07/2009 10h</DataEmissao><Competencia>200907</Competencia>"
      "<Servico><Valores><Aliquota>0.0500</Aliquota><ValorIss> 1.000,5 </ValorIss></Valores>"
      "</Servico>"));
  EXPECT_EQ(body->DataEmissao(), u"24/07/2009 10h");
  EXPECT_EQ(body->Competencia(), u"200907");
  EXPECT_EQ(body->Servico()->Valores()->Aliquota(), u"0.0500");
  EXPECT_EQ(body->Servico()->Valores()->ValorIss(), u" 1.000,5 ");
  body->Servico()->Valores()->SetAliquota(u"5");
  body->SetCompetencia(u"2009-07-01T00:00:00");
  EXPECT_EQ(Saved(body),
            InfNfse("<DataEmissao>24/07/2009 10h</DataEmissao>"
                    "<Competencia>2009-07-01T00:00:00</Competencia><Servico><Valores>"
                    "<Aliquota>5</Aliquota><ValorIss> 1.000,5 </ValorIss></Valores></Servico>"));
}

// Reading an absent element creates it, empty, as the last child in the parent's namespace and
// with the parent's prefix; an integer read of it fails and still leaves it behind.
TEST(InvoiceBody, ReadingAbsentElementsCreatesThemInTheParentsNamespace) {
  const auto body = Parse(InfNfse("<n:Numero>5</n:Numero>", "n"));
  EXPECT_EQ(body->OutrasInformacoes(), u"");
  EXPECT_THROW(body->NfseSubstituida(), binding::ConversionError);
  EXPECT_THROW(body->OrgaoGerador()->CodigoMunicipio(), binding::ConversionError);
  EXPECT_EQ(body->Id(), u"");
  EXPECT_EQ(body->Numero(), 5u);
  EXPECT_EQ(Saved(body),
            "<n:InfNfse xmlns:n=\"" + ResponseNamespace +
                "\" Id=\"\"><n:Numero>5</n:Numero><n:OutrasInformacoes></n:OutrasInformacoes>"
                "<n:NfseSubstituida></n:NfseSubstituida><n:OrgaoGerador><n:CodigoMunicipio>"
                "</n:CodigoMunicipio></n:OrgaoGerador></n:InfNfse>");
  for (const auto& child : body->ChildNodes()) EXPECT_EQ(child->NamespaceURI(), ResponseNamespace);
}

// Failures come from the node layer unchanged, with its message.
TEST(InvoiceBody, FailuresReachTheCallerWithTheNodeLayersMessage) {
  struct Case {
    const char* xml;
    std::function<void(TXMLTcInfNfse&)> read;
    const char* message;
  };
  const Case cases[] = {
      {"<Servico><CodigoCnae>ABC</CodigoCnae></Servico>",
       [](auto& b) { b.Servico()->CodigoCnae(); },
       "Could not convert variant of type (OleStr) into type (Integer)"},
      {"<Servico><CodigoMunicipio></CodigoMunicipio></Servico>",
       [](auto& b) { b.Servico()->CodigoMunicipio(); },
       "Could not convert variant of type (Null) into type (Integer)"},
      {"<Numero>99999999999999999999</Numero>", [](auto& b) { b.Numero(); },
       "Could not convert variant of type (OleStr) into type (Int64)"},
      {"<Servico><Discriminacao>a<b/>c</Discriminacao></Servico>",
       [](auto& b) { b.Servico()->Discriminacao(); },
       "Element does not contain a single text node"},
      {"<Competencia><!--x--></Competencia>", [](auto& b) { b.SetCompetencia(u"1"); },
       "Element does not contain a single text node"},
  };
  for (const auto& c : cases) {
    const auto body = Parse(InfNfse(c.xml));
    try {
      c.read(*body);
      ADD_FAILURE() << "no failure for " << c.xml;
    } catch (const binding::Error& error) {
      EXPECT_STREQ(error.what(), c.message) << c.xml;
    }
  }
}

// As real services send it, the body's children may sit in the shared types namespace: the
// lookups, which only search the parent's namespace, do not find them and add their own.
TEST(InvoiceBody, ChildrenInTheTypesNamespaceAreNotFound) {
  const auto body = Parse(InfNfse("<Servico xmlns=\"" + TypesNamespace +
                                  "\"><Discriminacao>x</Discriminacao></Servico>"));
  EXPECT_EQ(body->Servico()->Discriminacao(), u"");
  EXPECT_EQ(body->ChildNodes().size(), 2u);
  EXPECT_EQ(body->Servico()->NamespaceURI(), ResponseNamespace);
}

// Child readers return the views registered for their tags, of the elements inside this one,
// and two reads view the same element.
TEST(InvoiceBody, ChildReadersViewTheirOwnElements) {
  const auto body = Parse(kCompleteBody);
  const auto valores = body->Servico()->Valores();
  EXPECT_EQ(valores->NodeName(), "Valores");
  EXPECT_EQ(valores->ParentNode()->NodeName(), "Servico");
  EXPECT_EQ(body->PrestadorServico()->RazaoSocial(), u"Prestadora Ltda");
  EXPECT_EQ(body->IdentificacaoRps()->Serie(), u"A1");
  body->Servico()->Valores()->SetValorPis(u"7");
  EXPECT_EQ(valores->ValorPis(), u"7");
  EXPECT_EQ(body->ChildNodes().size(), 19u);
}

}  // namespace
