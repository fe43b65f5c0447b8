#include "editor/ui/edit_view.h"

#include "browser/web_browser.h"
#include "generator/edit_copies.h"
#include "shell/main_window.h"

namespace {

constexpr int HostLeft = 8;
constexpr int HostTop = 63;

WebBrowser* editView(TForm1& form) {
    return form.findChild<WebBrowser*>(QStringLiteral("WebBrowser3"));
}

} // namespace

void LayoutEditScreen(TForm1& form) {
    WebBrowser* view = editView(form);
    QWidget* screen = view ? view->parentWidget() : nullptr;
    if (!screen)
        return;
    view->setGeometry(HostLeft, HostTop, screen->width() - 2 * HostLeft,
                      screen->height() - HostTop);
    view->show();
}

void ShowEditingCopy(TForm1& form) {
    if (WebBrowser* view = editView(form))
        view->Navigate(EditingCopyPath(form.folders()));
}

Result OpenPageInEditView(TForm1& form, const QString& fileName) {
    if (const Result opened = LoadPageForEditing(form.state(), form.folders(), fileName); !opened)
        return opened;
    ShowEditingCopy(form);
    return Result::success();
}
