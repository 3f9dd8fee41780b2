#include "window_shell/messages.h"

namespace window_shell::messages {

QString NewSucceeded(const QString& title) {
  return QStringLiteral(" - ") + title +
         QStringLiteral(
             " Gerado com Sucesso! Clique em \"Salvar\" para gerar o arquivo XML "
             "referente ao ") +
         title + QStringLiteral(" criado");
}

QString NewFailed(const QString& title) {
  return QStringLiteral(" - Erro ao tentar gerar ") + title + QStringLiteral("!");
}

QString OpenSucceeded(const QString& title) {
  return QStringLiteral(" - Arquivo de ") + title + QStringLiteral(" carregado com sucesso!");
}

QString OpenFailed(const QString& title) {
  return QStringLiteral(" - Erro ao tentar carregar arquivo de ") + title +
         QStringLiteral("! Selecione a opção \"Validar\" para mais informações");
}

QString SaveSucceeded(const QString& path) {
  return QStringLiteral(" - Arquivo de Nota Fiscal Eletronica (") + path +
         QStringLiteral(") salvo com sucesso!");
}

QString SaveFailed() { return QStringLiteral(" - Erro ao tentar Salvar Nota Fiscal Eletronica!"); }

QString ServiceLayoutMark() { return QStringLiteral(" [layout do serviço]"); }

QString FileInSpecifiedLayout() {
  return QStringLiteral(
      " - O arquivo está no layout especificado; desmarque \"Layout do serviço\" para abri-lo");
}

}  // namespace window_shell::messages
