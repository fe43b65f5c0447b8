#pragma once

#include "site/result.h"

#include <optional>

// An element's box as the page lays it out, in whole pixels. Left and Top are summed up the
// offset-parent chain, so they are the element's position from the document's top-left corner.
struct ElementBox {
    int OffsetLeft = 0;
    int OffsetTop = 0;
    int OffsetWidth = 0;
    int OffsetHeight = 0;
    int Left = 0;
    int Top = 0;
};

// The answer to a lookup by id: a failed result when the shown document cannot be searched
// ("Invalid HTML document", "Can't find <body> element", or the page did not answer); an
// empty element when it holds no element of that id, which is no error.
struct ElementLookup {
    Result result;
    std::optional<ElementBox> element;
};
