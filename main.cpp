// valvetrain: an animated, interactive drawing of an engine valve train.

#include <QApplication>
#include <QByteArray>
#include <cstdio>
#include <cstdlib>

#include "controller/step_clock.h"
#include "view/form1.h"

namespace {

bool DisplayAvailable() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// While the toolkit connects to the display it may fail; say why in one line and exit instead
// of aborting with a core dump.
QByteArray last_toolkit_warning;

void ReportToolkitFailure(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type != QtFatalMsg) {
    if (type != QtDebugMsg && type != QtInfoMsg) last_toolkit_warning = message.toLocal8Bit();
    return;
  }
  const QByteArray reason = last_toolkit_warning.isEmpty() ? message.toLocal8Bit()
                                                           : last_toolkit_warning;
  std::fprintf(stderr, "valvetrain: cannot open a window: %s\n", reason.constData());
  std::_Exit(1);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!DisplayAvailable()) {
    std::fputs("valvetrain: no display to open a window on (DISPLAY is not set)\n", stderr);
    return 1;
  }
  // The program takes no command line, not even the toolkit's own options.
  int toolkit_argc = argc > 0 ? 1 : 0;
  char* toolkit_argv[] = {argc > 0 ? argv[0] : nullptr, nullptr};

  // One-bit pictures stay crisp only at whole scale factors: 1.5 becomes 2, 1.25 becomes 1.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
  const QtMessageHandler previous = qInstallMessageHandler(ReportToolkitFailure);
  QApplication app(toolkit_argc, toolkit_argv);
  qInstallMessageHandler(previous);

  valvetrain::MicrosecondClock clock;
  valvetrain::Form1 form1(clock);
  form1.show();
  return form1.Exec();
}
