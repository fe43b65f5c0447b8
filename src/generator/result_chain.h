#pragma once

#include "site/result.h"

// For operations that go on after a failed step (the way the window does) and report the
// first thing that went wrong.
inline Result FirstFailure(const Result& earlier, const Result& later) {
    return earlier ? later : earlier;
}
