#pragma once

#include <curl/curl.h>

// One libcurl easy handle, owned. The library's global set-up runs once per process, before
// the first handle, whichever thread asks first.
class CurlEasy {
public:
    CurlEasy();
    ~CurlEasy();
    CurlEasy(const CurlEasy&) = delete;
    CurlEasy& operator=(const CurlEasy&) = delete;

    CURL* get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    CURL* handle_ = nullptr;
};

// Time-outs of every network call, so a dead server ends an operation with a message rather
// than freezing it.
inline constexpr long ConnectTimeoutSeconds = 15;
inline constexpr long RequestTimeoutSeconds = 60;   // one service request or page download
inline constexpr long TransferTimeoutSeconds = 300; // one FTP put
inline constexpr long StallSeconds = 30;            // no progress for this long ends a call

// Applies the time-outs above and the options every call shares.
void ApplyCommonOptions(CURL* handle, long totalSeconds);
