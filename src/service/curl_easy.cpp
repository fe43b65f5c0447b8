#include "service/curl_easy.h"

#include <atomic>
#include <mutex>

CurlEasy::CurlEasy() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    handle_ = curl_easy_init();
    multi_ = curl_multi_init();
}

CurlEasy::~CurlEasy() {
    if (handle_)
        curl_easy_cleanup(handle_);
    if (multi_)
        curl_multi_cleanup(multi_);
}

CURLcode CurlEasy::perform() {
    constexpr int WaitCapMs = 1;
    if (!handle_ || !multi_)
        return CURLE_FAILED_INIT;
    if (curl_multi_add_handle(multi_, handle_) != CURLM_OK)
        return CURLE_FAILED_INIT;
    CURLcode result = CURLE_OK;
    int running = 1;
    while (running) {
        if (curl_multi_perform(multi_, &running) != CURLM_OK) {
            result = CURLE_FAILED_INIT;
            break;
        }
        if (running)
            curl_multi_poll(multi_, nullptr, 0, WaitCapMs, nullptr);
    }
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(multi_, &queued))
        if (message->msg == CURLMSG_DONE && message->easy_handle == handle_)
            result = message->data.result;
    // The connection stays in the multi handle's cache for the next transfer.
    curl_multi_remove_handle(multi_, handle_);
    return result;
}

namespace {
std::atomic<long> timeoutCap{0};
} // namespace

void CapNetworkTimeouts(long seconds) {
    timeoutCap = seconds;
}

long NetworkTimeout(long seconds) {
    const long cap = timeoutCap;
    return cap > 0 && cap < seconds ? cap : seconds;
}

void ApplyCommonOptions(CURL* handle, long totalSeconds) {
    // Signals cannot be used for time-outs on worker threads.
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, NetworkTimeout(ConnectTimeoutSeconds));
    curl_easy_setopt(handle, CURLOPT_TIMEOUT, NetworkTimeout(totalSeconds));
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, NetworkTimeout(StallSeconds));
}
