// Tarvel's window as it opens, and Clear feeding New.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTabWidget>

#include "cancel_tool/tests/tarvel_test.h"

namespace cancel_tool {
namespace {

using namespace fixture;

class WindowTest : public TarvelTest, public ::testing::Test {};

TEST_F(WindowTest, OpensOnTheRequestTabWithTheStartValues) {
  QTabWidget& pages = form().Pages();
  ASSERT_EQ(pages.count(), 4);
  EXPECT_EQ(pages.tabText(0), QStringLiteral("Informações"));
  EXPECT_EQ(pages.tabText(1), QStringLiteral("CancelarNfseEnvio"));
  EXPECT_EQ(pages.tabText(2), QStringLiteral("CancelarNfseResposta"));
  EXPECT_EQ(pages.tabText(3), QStringLiteral("Como Comprar?"));
  EXPECT_EQ(Tab(), 1);

  const TValueListEditor& upper = form().UpperGrid();
  const TValueListEditor& lower = form().LowerGrid();
  ASSERT_EQ(upper.RowCount(), 3);
  ASSERT_EQ(lower.RowCount(), 5);
  const std::pair<QString, QString> rows[] = {
      {upper.KeyAt(1), QStringLiteral("id")},
      {upper.KeyAt(2), QStringLiteral("codigoCancelamento")},
      {lower.KeyAt(1), QStringLiteral("numero")},
      {lower.KeyAt(2), QStringLiteral("cnpj")},
      {lower.KeyAt(3), QStringLiteral("inscricaoMunicipal")},
      {lower.KeyAt(4), QStringLiteral("codigoMunicipio")},
  };
  for (const auto& [key, expected] : rows) EXPECT_EQ(key, expected);
  EXPECT_EQ(upper.Value(QStringLiteral("id")), QStringLiteral("1"));
  EXPECT_EQ(lower.Value(QStringLiteral("cnpj")), QStringLiteral("11222333000181"));
  EXPECT_EQ(lower.Value(QStringLiteral("inscricaoMunicipal")), QStringLiteral("Isento"));
  EXPECT_EQ(lower.Value(QStringLiteral("codigoMunicipio")), QStringLiteral("2927408"));

  EXPECT_EQ(form().findChild<QPushButton*>(QStringLiteral("Button11"))->text(),
            QStringLiteral("2.Salvar"));
}

TEST_F(WindowTest, ClearThenNewWritesZeroEverywhere) {
  Click("Button4");
  Click("Button10");
  const QString saved = Path(QStringLiteral("zeros.xml"));
  ClickAnswering("Button11", "SaveDialog1", saved);
  EXPECT_EQ(Outline(saved), QStringLiteral("CancelarNfseEnvio{Pedido{InfPedidoCancelamento[Id=0]{"
                                           "IdentificacaoNfse{Numero=0 Cnpj=0 InscricaoMunicipal=0 "
                                           "CodigoMunicipio=0} CodigoCancelamento=0}}}"));
}

}  // namespace
}  // namespace cancel_tool
