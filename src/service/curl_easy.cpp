#include "service/curl_easy.h"

#include <mutex>

CurlEasy::CurlEasy() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    handle_ = curl_easy_init();
}

CurlEasy::~CurlEasy() {
    if (handle_)
        curl_easy_cleanup(handle_);
}

void ApplyCommonOptions(CURL* handle, long totalSeconds) {
    // Signals cannot be used for time-outs on worker threads.
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, ConnectTimeoutSeconds);
    curl_easy_setopt(handle, CURLOPT_TIMEOUT, totalSeconds);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, StallSeconds);
}
