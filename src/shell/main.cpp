// Tavo Website Builder: the window program.
#include "shell/site_screens.h"
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
    // Without a readable configuration the service keeps its defaults and a login is refused.
    ServiceConfig service;
    LoadServiceConfig(folders.appDataDir + QStringLiteral("service.ini"), service);
    ShellHooks hooks;
    InstallSiteScreens(hooks, service);
    return RunProgram(app, state, folders, std::move(hooks));
}
