#include "service/ui/start_actions.h"

#include "generator/new_site_name.h"
#include "service/login.h"
#include "service/ui/start_panel.h"
#include "service/ui/worker_thread.h"
#include "shell/main_window.h"
#include "shell/message_box.h"

namespace {

// The login's product: the restored site, handed to the window only when the login succeeded.
struct LoginProduct {
    ServiceOutcome outcome;
    SiteState site;
};

QRect between(const QRect& from, const QRect& to, int step, int steps) {
    const auto at = [step, steps](int a, int b) { return a + (b - a) * step / steps; };
    return {at(from.x(), to.x()), at(from.y(), to.y()), at(from.width(), to.width()),
            at(from.height(), to.height())};
}

} // namespace

StartActions::StartActions(TForm1& form, ServiceConfig config)
    : QObject(&form), form_(form), config_(std::move(config)) {
    QWidget* screen = form.findChild<QWidget*>(QStringLiteral("Panel1"));
    panel_ = new StartPanel(screen, screen->findChild<QWidget*>(QStringLiteral("Image14")));
    connect(panel_, &StartPanel::nextRequested, this, &StartActions::Next);
    connect(panel_, &StartPanel::passwordMailRequested, this, &StartActions::PasswordMail);
    growTimer_.setInterval(GrowStepMs);
    connect(&growTimer_, &QTimer::timeout, this, &StartActions::growStep);
}

void StartActions::Next() {
    if (busy_)
        return;
    if (panel_->mode() == StartPanel::Mode::NewSite)
        nextNewSite();
    else
        nextExistingSite();
}

void StartActions::nextNewSite() {
    const QString typed = panel_->typedText();
    if (const Result checked = CheckNewSiteName(typed); !checked) {
        panel_->ShowInlineError(checked.message);
        return;
    }
    panel_->HideInlineError();
    emit newSiteNamed(typed);
    enterGalleryForNewSite();
}

void StartActions::enterGalleryForNewSite() {
    QWidget* frame = form_.findChild<QWidget*>(QStringLiteral("Image3"));
    QWidget* gallery = form_.findChild<QWidget*>(QStringLiteral("Panel2"));
    form_.findChild<QWidget*>(QStringLiteral("Panel1"))->hide();
    form_.ScreenMode = GalleryScreen;
    form_.ShowStep(2);
    // The frame grows from its start-screen size to the gallery's; the gallery shows once it
    // has its full size.
    growFrom_ = frame->geometry();
    form_.FormResize();
    growTo_ = frame->geometry();
    gallery->hide();
    frame->setGeometry(growFrom_);
    growStep_ = 0;
    growTimer_.start();
}

void StartActions::growStep() {
    QWidget* frame = form_.findChild<QWidget*>(QStringLiteral("Image3"));
    ++growStep_;
    frame->setGeometry(between(growFrom_, growTo_, growStep_, GrowSteps));
    if (growStep_ < GrowSteps)
        return;
    growTimer_.stop();
    form_.FormResize();
}

void StartActions::nextExistingSite() {
    const QString email = panel_->typedText();
    if (email.trimmed().isEmpty()) {
        panel_->ShowInlineError(EnterEmailMessage());
        return;
    }
    const QString password = AskSitePassword(&form_);
    if (password.trimmed().isEmpty()) {
        ShowInformationMessage(&form_, EnterPasswordMessage());
        return;
    }
    busy_ = true;
    form_.ShowBusy(QStringLiteral("Logging In"));
    // The login fills its own copy of the site: a refused or failed login changes nothing.
    const SiteState site = form_.state();
    const Folders folders = form_.folders();
    RunOnWorkerThread<LoginProduct>(
        this,
        [site, folders, config = config_, email, password] {
            LoginProduct product{{}, site};
            product.outcome = LoginRun(product.site, folders, config, email, password);
            return product;
        },
        [this](const LoginProduct& product) {
            busy_ = false;
            if (!product.outcome.ok) {
                form_.HideOverlay();
                showOutcome(product.outcome);
                return;
            }
            form_.state() = product.site;
            form_.Timer10.start();
        });
}

void StartActions::PasswordMail() {
    if (busy_)
        return;
    const QString email = panel_->typedText();
    if (email.trimmed().isEmpty()) {
        panel_->ShowInlineError(EnterEmailMessage());
        return;
    }
    busy_ = true;
    form_.ShowBusy(QStringLiteral("Sending"));
    RunOnWorkerThread<ServiceOutcome>(
        this,
        [folders = form_.folders(), config = config_, email] {
            return PasswordMailRun(folders, config, email);
        },
        [this](const ServiceOutcome& outcome) {
            busy_ = false;
            form_.HideOverlay();
            showOutcome(outcome);
        });
}

void StartActions::showOutcome(const ServiceOutcome& outcome) {
    if (outcome.kind == ServiceOutcome::Message::Information)
        ShowInformationMessage(&form_, outcome.message);
    else if (outcome.kind == ServiceOutcome::Message::Error)
        ShowErrorMessage(&form_, outcome.message);
}
