#pragma once

#include <QString>

// One page of the site, in the field order of the stored page table.
struct TSitePage {
    bool ShowInMenu = false;
    QString WindowTitle;
    QString Description;
    bool IsHomePage = false;
    bool Changed = false;
    QString FileName; // without ".html"
    QString Keywords;
    QString Heading; // carried unchanged, like Text1 ... Text6
    QString Label_;  // the page's label in the menu and the page list
    QString Text1;
    QString Text2;
    QString Text3;
    QString Text4;
    QString Text5;
    QString Text6;

    bool operator==(const TSitePage&) const = default;
};
