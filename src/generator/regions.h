#pragma once

#include <QString>

// Editable regions are found by fixed text markers, never by parsing the HTML:
//   <div id="tavodivN"> ... </div><!-- tavodivN -->
// A region's content ends at the first "</div><!-- tavodiv" after its start marker, so it may
// hold nested div elements but never that text.

QString RegionStartMarker(int n);
QString RegionEndMarker(int n);
QString RegionEndMarkerPrefix();

// 0-based span [first, last) of region n's content in text.
struct RegionBounds {
    bool found = false;
    int first = 0;
    int last = 0;
};
RegionBounds RegionContentBounds(const QString& text, int n);

// The content of region n; empty when the region is not there.
QString GetRegionHtml(const QString& text, int n);

// text with region n's content replaced; unchanged when the region is not there.
QString SetRegionHtml(const QString& text, int n, const QString& content);

// The template text carrying the page's whole regions 1 to 4, markers included. A region
// missing from either text is left as the template has it.
QString TransplantRegions(const QString& pageText, const QString& templateText);

// True when the page names each of "tavodiv1" ... "tavodiv4" somewhere.
bool HasTransplantableRegions(const QString& pageText);
