#pragma once

#include "shell/startup.h"
#include "site/page_table.h"
#include "site/settings_store.h"
#include "support/temp_home.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QMouseEvent>

// A scratch user and the windows of a run, as start-up creates them.
struct ShellRun {
    TempHome home;
    SiteState state;
    ProgramWindows windows;

    explicit ShellRun(ShellHooks hooks = {}) { start(std::move(hooks)); }
    ShellRun(const char* storedSiteName, ShellHooks hooks = {}) {
        storeSite(storedSiteName);
        start(std::move(hooks));
    }
    TForm1& form() { return *windows.form1; }

    // A site stored by an earlier run: an account with a site name and two pages.
    void storeSite(const char* siteName) {
        SiteState stored;
        stored.Account.UnixName = QLatin1String(siteName);
        stored.Account.FirstName = QStringLiteral("Ann");
        AppendPage(stored, QStringLiteral("index"));
        AppendPage(stored, QStringLiteral("about"));
        SaveAccount(stored, home.folders());
        SavePages(stored, home.folders());
    }

private:
    void start(ShellHooks hooks) {
        windows = CreateProgramWindows(state, home.folders(), std::move(hooks));
    }
};

inline void Settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// Pointer events sent straight to a widget, as the platform would deliver them.
inline void PointerEnter(QWidget* w) {
    QEnterEvent e(QPointF(2, 2), QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)));
    QCoreApplication::sendEvent(w, &e);
}
inline void PointerLeave(QWidget* w) {
    QEvent e(QEvent::Leave);
    QCoreApplication::sendEvent(w, &e);
}
inline void MouseButton(QWidget* w, QEvent::Type type, Qt::MouseButton button = Qt::LeftButton,
                        QPointF at = QPointF(2, 2)) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent e(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}
inline void Press(QWidget* w) {
    MouseButton(w, QEvent::MouseButtonPress);
}
inline void Release(QWidget* w) {
    MouseButton(w, QEvent::MouseButtonRelease);
}
