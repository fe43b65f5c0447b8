// Tavo Website Builder: the window program.
#include "shell/startup.h"

#include <QApplication>
#include <unistd.h>

int main(int argc, char** argv) {
    // The embedded browser's sandbox cannot run as root.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    SiteState state;
    const Folders folders = Folders::fromEnvironment();
    return RunProgram(app, state, folders, {});
}
