#pragma once

// A stand-in program on the shell, for testing the shell's own rules without a document type.
// Its request is the list of its field values, saved as text, one value a line; its request and
// response files are text files, one value a line, where a line "!" is a value that cannot be
// read (and a field value "!" one that cannot be written), and a request file whose first line is
// "?" is refused with a reason the log shows.

#include <QFile>
#include <QScopeGuard>
#include <QStringList>
#include <stdexcept>

#include "files/files.h"
#include "window_shell/testing/window_driver.h"

namespace window_shell::fixture {

inline const QString kStandInTitle = QStringLiteral("Documento de teste");
inline const QString kShownReason = QStringLiteral(" - Motivo mostrado ao usuário");

// The lines of a text file; fails as a parse does when it cannot be read.
inline QStringList FileLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw std::runtime_error("cannot read " + path.toStdString());
  return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
}

// One of `values`, failing on "!" or past the end.
inline QString FileValue(const QStringList& values, qsizetype index) {
  if (index >= values.size() || values[index] == QStringLiteral("!")) {
    throw std::runtime_error("value " + std::to_string(index + 1) + " cannot be read");
  }
  return values[index];
}

// What a test can change in the stand-in program.
struct StandInState {
  std::function<void(const std::filesystem::path&)> adjust;  // Save's adjustment, if any
};

class StandInHandlers : public ShellHandlers {
 public:
  explicit StandInHandlers(const StandInState& state) : state_(state) {}

  // "1. Novo": a new request, current at once, then the fields up to one that is "!".
  void OnNew(TForm1& form) override {
    form.NewRequest([&] {
      request_ = QStringList();
      const QStringList values = form.FieldValues();
      for (qsizetype i = 0; i < values.size(); ++i) request_->append(FileValue(values, i));
    });
  }
  // "Abrir": the file's lines into the fields, up to the first that cannot be read.
  void OnOpenRequest(TForm1& form) override {
    form.OpenFile([&](const QString& path) {
      const QStringList lines = FileLines(path);
      if (lines.first() == QStringLiteral("?")) throw ShownFailure(kShownReason);
      std::vector<std::string> read;
      const auto show = qScopeGuard([&] { form.ShowFieldValues(read); });
      for (qsizetype i = 0; i < 3; ++i) read.push_back(FileValue(lines, i).toStdString());
    });
  }
  void OnSave(TForm1& form) override {
    form.SaveRequest(QStringLiteral("proposta.txt"), [&](const std::filesystem::path& file) {
      if (!request_) throw std::runtime_error("there is no request to save yet");
      files::WriteFileAtomically(file, request_->join(QLatin1Char('\n')).toStdString());
      if (state_.adjust) state_.adjust(file);
    });
  }
  // "Abrir" on the response tab: the file's lines into the lower listing up to the first
  // unreadable one.
  void OnOpenResponse(TForm1& form) override {
    form.OpenFile([&](const QString& path) {
      const QStringList lines = FileLines(path);
      QStringList listed;
      const auto list = qScopeGuard([&] { form.LowerListing().AddLines(listed); });
      for (qsizetype i = 0; i < lines.size(); ++i) listed.append(FileValue(lines, i));
    });
  }

 private:
  const StandInState& state_;
  std::optional<QStringList> request_;
};

inline ShellDescription StandInDescription() {
  ShellDescription d;
  d.caption = QStringLiteral("Stand-in");
  d.title = kStandInTitle;
  d.requestTab = QStringLiteral("Pedido");
  d.responseTab = QStringLiteral("Resposta");
  d.upperGridTabs = {QStringLiteral("Externa"), QStringLiteral("Interna")};
  d.lowerGridTab = QStringLiteral("Abaixo");
  d.program = QStringLiteral("stand-in");
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
      : WindowDriver([this] {
          return std::make_unique<TForm1>(StandInDescription(),
                                          std::make_unique<StandInHandlers>(standIn));
        }) {}
};

}  // namespace window_shell::fixture
