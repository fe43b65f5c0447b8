#pragma once

#include <curl/curl.h>

// One libcurl easy handle, owned, with the multi handle that runs its transfers and keeps its
// connections between them. The library's global set-up runs once per process, before the
// first handle, whichever thread asks first.
class CurlEasy {
public:
    CurlEasy();
    ~CurlEasy();
    CurlEasy(const CurlEasy&) = delete;
    CurlEasy& operator=(const CurlEasy&) = delete;

    CURL* get() const { return handle_; }
    explicit operator bool() const { return handle_ && multi_; }

    // Runs the transfer set up on the handle to its end. The wait for network events is capped
    // at a few milliseconds: libcurl 7.88 can miss the moment an FTP data connection is ready
    // and would otherwise sit out a whole second per file.
    CURLcode perform();

private:
    CURL* handle_ = nullptr;
    CURLM* multi_ = nullptr;
};

// Time-outs of every network call, so a dead server ends an operation with a message rather
// than freezing it.
inline constexpr long ConnectTimeoutSeconds = 15;
inline constexpr long RequestTimeoutSeconds = 60;   // one service request or page download
inline constexpr long TransferTimeoutSeconds = 300; // one FTP put
inline constexpr long StallSeconds = 30;            // no progress for this long ends a call

// Caps every time-out above at seconds from now on (0 removes the cap), so a check can meet
// a silent server without waiting half a minute.
void CapNetworkTimeouts(long seconds);
// seconds, or the cap when that is lower.
long NetworkTimeout(long seconds);

// Applies the time-outs above and the options every call shares.
void ApplyCommonOptions(CURL* handle, long totalSeconds);
