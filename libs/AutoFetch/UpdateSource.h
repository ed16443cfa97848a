// Where updates come from: a folder (of the machine or a mounted share) or an https:// address,
// as SELVANE.ini names it. Both hold the same tree: manifest, manifest.sig and every file of the
// manifest under its path.
#pragma once

#include <cstdint>
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

class TSink;

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

// The source a setting names: an https:// address, else a folder (relative to the program
// folder when not absolute). nullptr for an empty setting. The user ID goes to an https server
// with every request.
std::unique_ptr<TUpdateSource> OpenUpdateSource(const std::string& setting,
                                                const std::string& programFolder,
                                                const std::string& userId);

}  // namespace selvane::autofetch
