#include "window_shell/layout_choice.h"

#include <QAction>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSettings>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolButton>
#include <QWidget>

#include "window_shell/form.h"

namespace window_shell {

namespace {

const char* const kServiceLayoutKey = "serviceLayout";

// A check box as the window's style draws one, checked in the icon's On state, so the button
// reads like the check boxes the user knows.
QIcon CheckBoxIcon(const QWidget& widget) {
  const QStyle& style = *widget.style();
  const QSize size(style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &widget),
                   style.pixelMetric(QStyle::PM_IndicatorHeight, nullptr, &widget));
  const qreal ratio = widget.devicePixelRatioF();
  QIcon icon;
  for (const bool on : {false, true}) {
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QStyleOptionButton option;
    option.initFrom(&widget);
    option.rect = QRect(QPoint(0, 0), size);
    option.state |= QStyle::State_Enabled | (on ? QStyle::State_On : QStyle::State_Off);
    QPainter painter(&pixmap);
    style.drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, &widget);
    painter.end();
    icon.addPixmap(pixmap, QIcon::Normal, on ? QIcon::On : QIcon::Off);
  }
  return icon;
}

// Only the text QSettings writes for true turns the choice on: a damaged file leaves it off.
bool RememberedChoice(const QString& settingsFile) {
  const QSettings settings(settingsFile, QSettings::IniFormat);
  return settings.value(QLatin1String(kServiceLayoutKey)).toString() == QLatin1String("true");
}

void RememberChoice(const QString& settingsFile, bool on) {
  QSettings settings(settingsFile, QSettings::IniFormat);
  settings.setValue(QLatin1String(kServiceLayoutKey), on);
  settings.sync();
  if (settings.status() != QSettings::NoError) {
    qCWarning(FailureLog).noquote() << "The layout choice could not be kept in" << settingsFile;
  }
}

}  // namespace

QString SettingsFile(const QString& program) {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/nfse-tools/") + program + QStringLiteral(".conf");
}

QAction* MakeServiceLayoutChoice(QWidget& window, const QString& settingsFile) {
  auto* choice = new QAction(QStringLiteral("Layout do serviço"), &window);
  choice->setObjectName(QStringLiteral("ServiceLayout"));
  choice->setCheckable(true);
  choice->setToolTip(QStringLiteral(
      "Marcado: \"1. Novo\", \"Abrir\" e \"2.Salvar\" usam o layout dos esquemas do serviço, o "
      "dos arquivos enviados ao serviço ou recebidos dele.\nDesmarcado: o layout especificado, o "
      "dos arquivos que estes programas gravaram até agora."));
  choice->setChecked(RememberedChoice(settingsFile));
  choice->setIcon(CheckBoxIcon(window));
  QObject::connect(choice, &QAction::toggled, &window,
                   [settingsFile](bool on) { RememberChoice(settingsFile, on); });
  return choice;
}

QToolButton* MakeChoiceButton(QAction& action) {
  auto* button = new QToolButton;
  button->setDefaultAction(&action);
  button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  button->setAutoRaise(true);
  return button;
}

}  // namespace window_shell
