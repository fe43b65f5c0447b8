#include "shell/site_screens.h"

#include "browser/web_browser.h"
#include "editor/ui/edit_view.h"
#include "generator/ui/gallery_actions.h"
#include "generator/ui/template_gallery_screen.h"
#include "service/ui/start_actions.h"
#include "shell/main_window.h"

#include <type_traits>

namespace {

// hook runs what it ran before, then next.
template <typename Hook> void chain(Hook& hook, std::type_identity_t<Hook> next) {
    if (!hook) {
        hook = std::move(next);
        return;
    }
    hook = [first = std::move(hook), next = std::move(next)](auto&&... args) {
        first(args...);
        next(args...);
    };
}

void withGallery(TForm1& form, void (TemplateGalleryScreen::*action)()) {
    if (auto* gallery = form.findChild<TemplateGalleryScreen*>())
        (gallery->*action)();
}

} // namespace

void InstallSiteScreens(ShellHooks& hooks, const ServiceConfig& config) {
    hooks.MakeBrowser = [](QWidget* parent, const QString&) -> QWidget* {
        return new WebBrowser(parent);
    };
    hooks.NavigateBrowser = [](QWidget* browser, const QString& file) {
        if (auto* view = qobject_cast<WebBrowser*>(browser))
            view->Navigate(file);
    };
    chain(hooks.InstallScreens, [config](TForm1& form) {
        auto* gallery = new TemplateGalleryScreen(form);
        auto* actions = new GalleryActions(form, *gallery);
        auto* start = new StartActions(form, config);
        QObject::connect(start, &StartActions::newSiteNamed, actions,
                         &GalleryActions::PrepareNewSite);
        QObject::connect(start, &StartActions::newSiteNamed, gallery,
                         &TemplateGalleryScreen::EnterForNewSite);
    });
    chain(hooks.BuildTemplateGallery,
          [](TForm1& form) { withGallery(form, &TemplateGalleryScreen::BuildTemplateGallery); });
    chain(hooks.LayoutGallery,
          [](TForm1& form) { withGallery(form, &TemplateGalleryScreen::LayoutGallery); });
    chain(hooks.LayoutEditScreen, LayoutEditScreen);
    // Entered from the Template tab: the open site gets another design.
    chain(hooks.FillScreen, [](TForm1& form, int screenMode) {
        if (screenMode == GalleryScreen)
            withGallery(form, &TemplateGalleryScreen::EnterForTemplateChange);
    });
}
