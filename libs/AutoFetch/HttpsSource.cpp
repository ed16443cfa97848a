#include "HttpsSource.h"

#include <curl/curl.h>

#include "UpdateSource.h"

namespace selvane::autofetch {
namespace {

size_t WriteToSink(char* data, size_t size, size_t count, void* sink) {
  return static_cast<TSink*>(sink)->Put(data, size * count) ? size * count : 0;
}

class THttpsSource : public TUpdateSource {
 public:
  THttpsSource(std::string base, std::string userId) : base_(std::move(base)) {
    if (base_.back() != '/') base_ += '/';
    // A user ID that would break the header line is not sent at all.
    for (unsigned char c : userId)
      if (c < 0x20 || c == 0x7f) userId.clear();
    userId_ = std::move(userId);
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    ready_ = initialised;
  }

 protected:
  TFetch Transfer(const std::string& name, TSink& sink) override {
    if (!ready_) return Fail(TFetch::Unreachable, "libcurl cannot be initialised");
    CURL* curl = curl_easy_init();
    if (curl == nullptr) return Fail(TFetch::Unreachable, "libcurl cannot be initialised");
    const std::string url = base_ + Escaped(curl, name);
    curl_slist* headers = nullptr;
    if (!userId_.empty())
      headers = curl_slist_append(headers, ("X-Selvane-User: " + userId_).c_str());
    char curlError[CURL_ERROR_SIZE] = "";
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 15L);
    // A transfer that stalls for a minute has broken off.
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, 60L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "AutoFetch/" AUTOFETCH_VERSION);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, curlError);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &WriteToSink);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
    const CURLcode code = curl_easy_perform(curl);
    long status = 0;
    curl_off_t connectTime = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    curl_easy_getinfo(curl, CURLINFO_CONNECT_TIME_T, &connectTime);
    curl_easy_cleanup(curl);
    curl_slist_free_all(headers);

    const std::string why = url + ": " + (*curlError ? curlError : curl_easy_strerror(code));
    if (code == CURLE_OK) {
      if (status == 200) return TFetch::Ok;
      const std::string answer = url + ": HTTP " + std::to_string(status);
      if (status == 404 || status == 410) return Fail(TFetch::Missing, answer);
      if (status == 401 || status == 403) return Fail(TFetch::Refused, answer);
      return Fail(TFetch::BadAnswer, answer);
    }
    if (sink.TooLarge() || code == CURLE_FILESIZE_EXCEEDED) return Fail(TFetch::TooLarge, why);
    if (sink.LocalFailed()) return Fail(TFetch::LocalWrite, why);
    switch (code) {
      case CURLE_UNSUPPORTED_PROTOCOL:
      case CURLE_URL_MALFORMAT:
      case CURLE_COULDNT_RESOLVE_PROXY:
      case CURLE_COULDNT_RESOLVE_HOST:
      case CURLE_COULDNT_CONNECT:
      case CURLE_SSL_CONNECT_ERROR:
      case CURLE_PEER_FAILED_VERIFICATION:
        return Fail(TFetch::Unreachable, why);
      default:
        return Fail(connectTime > 0 ? TFetch::Interrupted : TFetch::Unreachable, why);
    }
  }

 private:
  static std::string Escaped(CURL* curl, const std::string& path) {
    std::string url;
    std::size_t start = 0;
    while (start <= path.size()) {
      std::size_t slash = path.find('/', start);
      if (slash == std::string::npos) slash = path.size();
      const std::string part = path.substr(start, slash - start);
      char* escaped = curl_easy_escape(curl, part.c_str(), int(part.size()));
      if (!url.empty()) url += '/';
      url += escaped != nullptr ? escaped : "";
      curl_free(escaped);
      start = slash + 1;
    }
    return url;
  }

  std::string base_;
  std::string userId_;
  bool ready_ = false;
};

std::unique_ptr<TUpdateSource> MakeHttpsSource(const std::string& address,
                                               const std::string& userId) {
  return std::make_unique<THttpsSource>(address, userId);
}

}  // namespace

void UseHttpsSources() {
  SetHttpsSourceMaker(&MakeHttpsSource);
}

}  // namespace selvane::autofetch
