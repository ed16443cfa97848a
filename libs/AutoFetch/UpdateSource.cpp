#include "UpdateSource.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "core/TextRoutines.h"

namespace selvane::autofetch {

namespace fs = std::filesystem;

TFetch TUpdateSource::Fetch(const std::string& name, std::uint64_t limit, std::string& bytes) {
  bytes.clear();
  TSink sink(&bytes, nullptr, limit);
  return Transfer(name, sink);
}

TFetch TUpdateSource::FetchToFile(const std::string& name, const std::string& target,
                                  std::uint64_t limit) {
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  if (!out) return Fail(TFetch::LocalWrite, target + ": " + std::strerror(errno));
  TSink sink(nullptr, &out, limit);
  TFetch result = Transfer(name, sink);
  out.close();
  if (result == TFetch::Ok && !out) return Fail(TFetch::LocalWrite, target + ": write error");
  return result;
}

namespace {

class TFolderSource : public TUpdateSource {
 public:
  explicit TFolderSource(std::string folder) : folder_(WithBackslash(folder)) {}

 protected:
  TFetch Transfer(const std::string& name, TSink& sink) override {
    std::error_code ec;
    if (!fs::is_directory(folder_, ec))
      return Fail(TFetch::Unreachable, folder_ + ": the update folder is not there");
    const std::string path = folder_ + name;
    if (fs::exists(path, ec) && !fs::is_regular_file(path, ec))
      return Fail(TFetch::Missing, path + ": not a file");
    std::ifstream in(path, std::ios::binary);
    if (!in) {
      const bool missing = errno == ENOENT || errno == ENOTDIR;
      return Fail(missing ? TFetch::Missing : TFetch::Interrupted,
                  path + ": " + std::strerror(errno));
    }
    char buffer[1 << 16];
    while (in) {
      in.read(buffer, sizeof buffer);
      if (in.gcount() > 0 && !sink.Put(buffer, std::size_t(in.gcount()))) break;
    }
    if (sink.TooLarge()) return Fail(TFetch::TooLarge, path + ": larger than expected");
    if (sink.LocalFailed()) return Fail(TFetch::LocalWrite, path + ": cannot be written here");
    if (in.bad()) return Fail(TFetch::Interrupted, path + ": read error");
    return TFetch::Ok;
  }

  std::string folder_;
};

// A setting that names another kind of address: updates come over https only.
class TUnusableSource : public TUpdateSource {
 public:
  explicit TUnusableSource(const std::string& setting) {
    error_ = setting + ": only folders and https:// addresses are update sources";
  }

 protected:
  TFetch Transfer(const std::string&, TSink&) override { return TFetch::Unreachable; }
};

THttpsSourceMaker g_makeHttpsSource = nullptr;

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
  return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
}

}  // namespace

void SetHttpsSourceMaker(THttpsSourceMaker maker) {
  g_makeHttpsSource = maker;
}

std::unique_ptr<TUpdateSource> OpenUpdateSource(const std::string& setting,
                                                const std::string& programFolder,
                                                const std::string& userId) {
  const std::string source = Trim(setting);
  if (source.empty()) return nullptr;
  if (StartsWithNoCase(source, "https://")) {
    if (g_makeHttpsSource != nullptr) return g_makeHttpsSource(source, userId);
    return std::make_unique<TUnusableSource>(source + " (no https in this build)");
  }
  if (source.find("://") != std::string::npos) return std::make_unique<TUnusableSource>(source);
  const fs::path folder =
      fs::path(source).is_absolute() ? fs::path(source) : fs::path(programFolder) / source;
  return std::make_unique<TFolderSource>(folder.lexically_normal().string());
}

}  // namespace selvane::autofetch
