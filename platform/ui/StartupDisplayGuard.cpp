#include "platform/ui/StartupDisplayGuard.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

QtMessageHandler g_previous = nullptr;
const char* g_program = "";
QStringList g_held;

void onStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        g_held.append(qFormatLogMessage(type, context, text));
        return;
    }
    const char* display = std::getenv("DISPLAY");
    std::fprintf(stderr,
                 "%s: cannot open a display (DISPLAY=%s); set DISPLAY, or "
                 "QT_QPA_PLATFORM=offscreen to draw offscreen\n",
                 g_program, display && *display ? display : "unset");
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

StartupDisplayGuard::StartupDisplayGuard(const char* program) {
    g_program = program;
    g_previous = qInstallMessageHandler(onStartupMessage);
}

StartupDisplayGuard::~StartupDisplayGuard() {
    qInstallMessageHandler(g_previous);
    for (const QString& line : std::exchange(g_held, {}))
        std::fprintf(stderr, "%s\n", qPrintable(line));
}
