#pragma once

#include "site/result.h"

#include <QObject>
#include <QString>

class TemplateGalleryScreen;
class TForm1;

// What the gallery's buttons do: Next creates the new site from the chosen template on a
// worker thread behind the busy overlay and opens its home page in the editor; Save gives the
// open site the chosen template.
class GalleryActions : public QObject {
    Q_OBJECT
public:
    GalleryActions(TForm1& form, TemplateGalleryScreen& screen);

    // The name typed on the start screen for the site that Next will create. The account is
    // reset for it only when the site is created, so going back to the open site keeps its
    // account as it was.
    void PrepareNewSite(const QString& typedName);

    void CreateSiteFromTemplate();
    void ApplyTemplate();

private:
    void creationFinished(const Result& result);
    void Timer6Timer();

    TForm1& form_;
    TemplateGalleryScreen& screen_;
    QString typedName_;
};
