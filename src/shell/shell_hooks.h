#pragma once

#include <QString>
#include <functional>

class QWidget;
class TForm1;

// Where the screens of other subsystems plug into the window. Every hook may be empty; the
// window then does only its own part (its frame, its screens and their layout).
struct ShellHooks {
    // The window's own parts exist (screens, buttons, overlay, browsers) and start-up has not
    // begun yet: the other subsystems put their controls on the screens.
    std::function<void(TForm1&)> InstallScreens;
    // The embedded browsers; without this hook they are empty stand-ins of the same name.
    std::function<QWidget*(QWidget* parent, const QString& objectName)> MakeBrowser;
    std::function<void(QWidget* browser, const QString& file)> NavigateBrowser;
    // Start-up, after the browsers: the rich-text editor's defaults and the template gallery.
    std::function<void(TForm1&)> PrepareRichTextEditor;
    std::function<void(TForm1&)> BuildTemplateGallery;
    // The layouts of screens 2 and 3, run by FormResize when that screen is current.
    std::function<void(TForm1&)> LayoutGallery;
    std::function<void(TForm1&)> LayoutEditScreen;
    // The screen's own filling once it has been entered (account fields, page rows).
    std::function<void(TForm1&, int screenMode)> FillScreen;
    // The page list tab loses its highlight: its rows are destroyed.
    std::function<void(TForm1&)> LeavePageList;
    // Leaving the page editor with unsaved changes: the save prompt.
    std::function<void(TForm1&)> PromptUnsavedPage;
    // The region overlays of the page editor: stop following the pointer; rebuild the
    // rectangles after the window moved or changed size.
    std::function<void(TForm1&)> StopRegionTracking;
    std::function<void(TForm1&)> RefreshRegionOverlays;
    // ShowOverlay has made the backdrop: clear the page dialogs' fields, hide transient links.
    std::function<void(TForm1&)> OverlayOpened;
    // The save lock has ended: hide the small busy animations, re-enable the account fields.
    std::function<void(TForm1&)> SaveLockEnded;
};
