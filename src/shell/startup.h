#pragma once

#include "shell/main_window.h"
#include "shell/secondary_windows.h"
#include "shell/splash_window.h"

#include <memory>

// The windows of a run, created in this order: the main window (which loads the account,
// the button pictures and builds the gallery), the drag image window (which loads the
// stored site), the region overlay window, the splash.
struct ProgramWindows {
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
    std::unique_ptr<TForm3> form3;
    std::unique_ptr<TFormSplash> splash;
};

ProgramWindows CreateProgramWindows(SiteState& state, const Folders& folders, ShellHooks hooks);

// The program: the windows, the splash fade, then the message loop. Returns the exit code;
// any failure before the loop ends the program quietly, without a main window.
int RunProgram(QApplication& app, SiteState& state, const Folders& folders, ShellHooks hooks);
