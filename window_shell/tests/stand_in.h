#pragma once

// A stand-in program on the shell, for testing the shell's own rules without a real document
// type. Its request is a bare root element; its request files are plain text, one field a line,
// where a line "!" is a value that cannot be read.

#include <QFile>
#include <QScopeGuard>
#include <QStringList>

#include "binding/document.h"
#include "binding/errors.h"
#include "binding/node.h"
#include "window_shell/testing/window_driver.h"

namespace window_shell::fixture {

inline const QString kStandInTitle = QStringLiteral("Documento de teste");

// The lines of a text file; fails as a parse does when it cannot be read.
inline QStringList FileLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw binding::Error("cannot read " + path.toStdString());
  return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
}

// One line of a file, failing on "!" or past the end.
inline QString FileValue(const QStringList& lines, qsizetype index) {
  if (index >= lines.size() || lines[index] == QStringLiteral("!")) {
    throw binding::ConversionError("String", "Integer");
  }
  return lines[index];
}

// What a test can change in the stand-in program.
struct StandInState {
  std::function<void(const std::filesystem::path&)> adjust;  // Save's adjustment, if any
};

class StandInHandlers : public ShellHandlers {
 public:
  explicit StandInHandlers(const StandInState& state) : state_(state) {}

  // "1. Novo": a new bare request, then the fields, failing at a "!".
  void Button10Click(TForm1& form) override {
    form.NewRequest([&] {
      request_ = binding::NewBoundDocument<binding::TXMLNode>("Pedido", "urn:stand-in");
      const QStringList values = form.FieldValues();
      for (qsizetype i = 0; i < values.size(); ++i) FileValue(values, i);
    });
  }
  // "Abrir": the file's lines into the fields, up to the first that cannot be read.
  void Button12Click(TForm1& form) override {
    form.OpenFile([&](const QString& path) {
      const QStringList lines = FileLines(path);
      std::vector<std::string> read;
      const auto show = qScopeGuard([&] { form.ShowFieldValues(read); });
      for (qsizetype i = 0; i < 3; ++i) read.push_back(FileValue(lines, i).toStdString());
    });
  }
  void Button2Click(TForm1& form) override {
    form.SaveRequest(QStringLiteral("proposta.xml"), request_.get(), state_.adjust);
  }
  // "Abrir" on the response tab: the file's lines into Memo5 up to the first unreadable one.
  void Button3Click(TForm1& form) override {
    form.OpenFile([&](const QString& path) {
      const QStringList lines = FileLines(path);
      QStringList listed;
      const auto list = qScopeGuard([&] { form.Memo5().AddLines(listed); });
      for (qsizetype i = 0; i < lines.size(); ++i) listed.append(FileValue(lines, i));
    });
  }

 private:
  const StandInState& state_;
  std::shared_ptr<binding::TXMLNode> request_;
};

inline ShellDescription StandInDescription() {
  ShellDescription d;
  d.caption = QStringLiteral("Stand-in");
  d.title = kStandInTitle;
  d.requestTab = QStringLiteral("Pedido");
  d.responseTab = QStringLiteral("Resposta");
  d.upperGridTabs = {QStringLiteral("Externa"), QStringLiteral("Interna")};
  d.lowerGridTab = QStringLiteral("Abaixo");
  d.fields = {{Grid::Upper, QStringLiteral("first"), QStringLiteral("1")},
              {Grid::Lower, QStringLiteral("third"), QStringLiteral("3")},
              {Grid::Upper, QStringLiteral("second"), QStringLiteral("2")}};
  return d;
}

struct StandInStateHolder {
  StandInState standIn;
};

// A stand-in window driven by one test. The state comes first, so it outlives the window.
class StandInTest : protected StandInStateHolder, public WindowDriver {
 public:
  StandInTest()
      : WindowDriver(std::make_unique<TForm1>(StandInDescription(),
                                              std::make_unique<StandInHandlers>(standIn))) {}
};

}  // namespace window_shell::fixture
