#pragma once

#include <QString>

// The three rewrite sets of the page copies. Every replacement matches without regard to case
// and inserts its text exactly as written, so an attribute name in capitals comes back in
// lower case.

// The editing copy: every link target gets a leading "#", so a click cannot leave the page.
QString MakeLinksInert(const QString& text);
// Undoes MakeLinksInert when the editing copy is saved.
QString MakeLinksReal(const QString& text);
// The preview copies: home links and ".php" targets become local ".html" files.
QString MakePreviewLinks(const QString& text);
