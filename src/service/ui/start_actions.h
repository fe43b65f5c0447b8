#pragma once

#include "service/service_config.h"
#include "service/service_outcome.h"

#include <QObject>
#include <QRect>
#include <QTimer>

class StartPanel;
class TForm1;

// What the start screen does: New Site checks the typed name and moves on to the gallery;
// Existing Site asks for the password and logs in on a worker thread behind the busy overlay,
// ending on the page list; the forgotten-password link has the password e-mailed.
class StartActions : public QObject {
    Q_OBJECT
public:
    StartActions(TForm1& form, ServiceConfig config);

    StartPanel* panel() const { return panel_; }

    // Next (the Start Building button, or Enter released in the text box).
    void Next();
    void PasswordMail();

    // The steps in which the frame grows from the start screen to the gallery.
    static constexpr int GrowSteps = 6;
    static constexpr int GrowStepMs = 10;

signals:
    // The typed name passed the checks; the gallery is being entered to choose its design.
    void newSiteNamed(const QString& typedName);

private:
    void nextNewSite();
    void nextExistingSite();
    void enterGalleryForNewSite();
    void growStep();
    void showOutcome(const ServiceOutcome& outcome);

    TForm1& form_;
    ServiceConfig config_;
    StartPanel* panel_;
    // A worker of the start screen is running: Enter in the text box must not start another.
    bool busy_ = false;
    QTimer growTimer_;
    int growStep_ = 0;
    QRect growFrom_;
    QRect growTo_;
};
