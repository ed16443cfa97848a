// Where updates come from: a folder (of the machine or a mounted share) or an https:// address,
// as SELVANE.ini names it. Both hold the same tree: manifest, manifest.sig and every file of the
// manifest under its path.
#pragma once

#include <cstdint>
#include <fstream>
#include <memory>
#include <string>

namespace selvane::autofetch {

enum class TFetch {
  Ok,
  Missing,      // the source has no such file
  TooLarge,     // longer than the caller allows
  Unreachable,  // the folder or the server is not there (or the address is not https://)
  Interrupted,  // the transfer broke off
  Refused,      // the server refused the user ID
  BadAnswer,    // the server answered with an error of its own
  LocalWrite,   // the file could not be written here
};

// Copies bytes into a string or a file, refusing to go past the limit.
class TSink {
 public:
  TSink(std::string* bytes, std::ofstream* file, std::uint64_t limit)
      : bytes_(bytes), file_(file), limit_(limit) {}

  bool Put(const char* data, std::size_t size) {
    if (size > limit_ - written_) {
      tooLarge_ = true;
      return false;
    }
    written_ += size;
    if (bytes_ != nullptr) {
      bytes_->append(data, size);
    } else if (!file_->write(data, std::streamsize(size))) {
      localFailed_ = true;
      return false;
    }
    return true;
  }
  bool TooLarge() const { return tooLarge_; }
  bool LocalFailed() const { return localFailed_; }

 private:
  std::string* bytes_;
  std::ofstream* file_;
  std::uint64_t limit_;
  std::uint64_t written_ = 0;
  bool tooLarge_ = false;
  bool localFailed_ = false;
};

class TUpdateSource {
 public:
  virtual ~TUpdateSource() = default;
  // The file name (a manifest path) into bytes, at most limit of them.
  TFetch Fetch(const std::string& name, std::uint64_t limit, std::string& bytes);
  // The file name into the local file target (created or truncated), at most limit bytes.
  TFetch FetchToFile(const std::string& name, const std::string& target, std::uint64_t limit);
  // What went wrong with the last failed call, for the launcher's log and the tools.
  const std::string& Error() const { return error_; }

 protected:
  // Hands the file's bytes to sink, piece by piece.
  virtual TFetch Transfer(const std::string& name, TSink& sink) = 0;
  TFetch Fail(TFetch result, std::string why) {
    error_ = std::move(why);
    return result;
  }
  std::string error_;
};

// https:// sources come with the component alone (HttpsSource.cpp, libcurl), so that the launcher,
// the tools and the tests do not carry libcurl; without a maker such a setting is unreachable.
using THttpsSourceMaker = std::unique_ptr<TUpdateSource> (*)(const std::string& address,
                                                             const std::string& userId);
void SetHttpsSourceMaker(THttpsSourceMaker maker);

// The source a setting names: an https:// address, else a folder (relative to the program
// folder when not absolute). nullptr for an empty setting. The user ID goes to an https server
// with every request.
std::unique_ptr<TUpdateSource> OpenUpdateSource(const std::string& setting,
                                                const std::string& programFolder,
                                                const std::string& userId);

}  // namespace selvane::autofetch
