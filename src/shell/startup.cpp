#include "shell/startup.h"

#include <QApplication>
#include <exception>

ProgramWindows CreateProgramWindows(SiteState& state, const Folders& folders, ShellHooks hooks) {
    ProgramWindows windows;
    windows.form1 = std::make_unique<TForm1>(state, folders, std::move(hooks));
    windows.form2 = std::make_unique<TForm2>(state, folders, *windows.form1);
    windows.form3 = std::make_unique<TForm3>();
    windows.splash = std::make_unique<TFormSplash>();
    return windows;
}

int RunProgram(QApplication& app, SiteState& state, const Folders& folders, ShellHooks hooks) {
    ProgramWindows windows;
    try {
        app.setApplicationDisplayName(QStringLiteral("Tavo Website Builder"));
        app.setQuitOnLastWindowClosed(false);
        windows = CreateProgramWindows(state, folders, std::move(hooks));
        QObject::connect(windows.form1.get(), &TForm1::closed, &app, &QCoreApplication::quit,
                         Qt::QueuedConnection);
        if (!windows.splash->Execute(folders.appDataDir))
            return 1;
    } catch (const std::exception&) {
        return 1;
    }
    windows.form1->show();
    windows.splash->raise();
    return app.exec();
}
