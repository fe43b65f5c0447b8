#include "generator/ui/gallery_actions.h"

#include "editor/ui/edit_view.h"
#include "generator/apply_template.h"
#include "generator/new_site.h"
#include "generator/new_site_name.h"
#include "generator/ui/preview_panel.h"
#include "generator/ui/template_gallery.h"
#include "generator/ui/template_gallery_screen.h"
#include "service/ui/worker_thread.h"
#include "shell/image_button.h"
#include "shell/main_window.h"
#include "shell/message_box.h"
#include "site/settings_store.h"

#include <QElapsedTimer>
#include <QThread>

namespace {

// The worker's product: the new site, handed to the window only when it succeeded.
struct CreatedSite {
    Result result;
    SiteState site;
};

} // namespace

GalleryActions::GalleryActions(TForm1& form, TemplateGalleryScreen& screen)
    : QObject(&form), form_(form), screen_(screen) {
    connect(&form_.Timer6, &QTimer::timeout, this, &GalleryActions::Timer6Timer);
    connect(&screen_, &TemplateGalleryScreen::nextClicked, this,
            &GalleryActions::CreateSiteFromTemplate);
    connect(&screen_, &TemplateGalleryScreen::saveClicked, this, &GalleryActions::ApplyTemplate);
}

void GalleryActions::PrepareNewSite(const QString& typedName) {
    typedName_ = typedName;
}

void GalleryActions::CreateSiteFromTemplate() {
    form_.ShowBusy(QStringLiteral("Loading"));
    screen_.backButton()->hide();
    // The worker builds the site on its own copy; the window's site stays as it is until the
    // creation has succeeded, so a failure leaves nothing half-made.
    SiteState next = form_.state();
    ResetAccountForNewSite(next.Account, typedName_);
    next.SelectedTemplateIndex = screen_.gallery()->ChosenGalleryEntry();
    const Folders folders = form_.folders();
    auto created = std::make_shared<SiteState>();
    RunOnWorkerThread<Result>(
        this,
        [next, folders, created]() mutable {
            QElapsedTimer clock;
            clock.start();
            const Result result = CreateSiteRun(next, folders);
            if (!result)
                return result;
            // Long enough for the busy overlay to be read.
            QThread::msleep(ulong(NewSiteExtraWaitMs(clock.elapsed())));
            *created = std::move(next);
            return result;
        },
        [this, created](const Result& result) {
            if (result)
                form_.state() = std::move(*created);
            creationFinished(result);
        });
}

void GalleryActions::creationFinished(const Result& result) {
    if (result) {
        form_.Timer6.start();
        return;
    }
    form_.HideOverlay();
    screen_.backButton()->show();
    ShowErrorMessage(&form_, result.message);
}

void GalleryActions::Timer6Timer() {
    form_.Timer6.stop();
    const Result opened = OpenPageInEditView(form_, QStringLiteral("index"));
    form_.OpenEditorScreen();
    form_.HideOverlay();
    if (!opened)
        ShowErrorMessage(&form_, opened.message);
    const SiteState saved = form_.state();
    const Folders folders = form_.folders();
    RunOnWorkerThread<Result>(
        this, [saved, folders] { return SaveAccount(saved, folders); }, [](const Result&) {});
}

void GalleryActions::ApplyTemplate() {
    if (form_.SaveLock)
        return;
    SiteState& site = form_.state();
    const int previous = site.SelectedTemplateIndex;
    site.SelectedTemplateIndex = screen_.gallery()->ChosenGalleryEntry();
    const Result applied = ::ApplyTemplate(site, form_.folders());
    if (!applied) {
        site.SelectedTemplateIndex = previous;
        ShowErrorMessage(&form_, applied.message);
        return;
    }
    ShowEditingCopy(form_);
    if (PreviewPanel* preview = screen_.previewPanel())
        preview->hide();
    form_.OpenEditorScreen();
}
