#pragma once

#include "site/folders.h"
#include "site/site_state.h"
#include "support/qt_print.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Small design templates written by the tests, in each of the menu markups a template may use.
struct FixtureTemplateOptions {
    int mainStyle = 1;       // 1 to 4: the "<!-- dtypeN -->" markup of the main menu
    QString secondMenuStyle; // "", "1", "1b", "2" or "2b": a second menu after the main one
    bool withPictureGallerySample = true;
};

// The text of one template page whose menu shows currentLabel ("home", "about us",
// "contact us" or empty) in its current-page form, and whose four regions hold regionText.
QString FixtureTemplatePage(const FixtureTemplateOptions& options, const QString& currentLabel,
                            const QString& regionText);

// Writes index.html, about-us.html, picture-gallery.html, contact-us.html, bin/style.css and
// template_preview.html into folder.
void WriteFixtureTemplate(const QString& folder, const FixtureTemplateOptions& options = {});

// A scratch user whose installation data is also scratch, so tests choose its templates.
class FixtureSite {
public:
    FixtureSite();
    const Folders& folders() const { return folders_; }
    // Writes template folder n under the scratch installation data.
    void addTemplate(int folderNumber, const FixtureTemplateOptions& options = {});
    // A site of the given pages (file names, labels) whose files are copies of the chosen
    // template's index.html; the template folder must exist.
    void makeSite(SiteState& state, const QStringList& fileNames, const QStringList& labels);

private:
    QTemporaryDir dir_;
    Folders folders_;
};

QString ReadFile(const QString& path);
void WriteFile(const QString& path, const QString& text);
