#include "Manifest.h"

#include <algorithm>
#include <charconv>
#include <set>

namespace selvane::autofetch {
namespace {

constexpr std::string_view kHeader = "selvane-update 1";
constexpr std::uint64_t kMaxFileSize = std::uint64_t(4) << 30;  // no program file comes near

bool IsHex(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

template <typename TNumber>
bool ParseNumber(std::string_view text, TNumber& value, int base = 10) {
  if (text.empty() || text.size() > 20) return false;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  return ec == std::errc() && end == text.data() + text.size();
}

// Splits off the next blank-separated word.
std::string_view NextWord(std::string_view& rest) {
  std::size_t blank = rest.find(' ');
  std::string_view word = rest.substr(0, blank);
  rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
  return word;
}

bool ParseFileLine(std::string_view rest, TManifestFile& file) {
  std::string_view mode = NextWord(rest), size = NextWord(rest), hash = NextWord(rest);
  if (!ParseNumber(mode, file.Mode, 8) || file.Mode > 0777) return false;
  if (!ParseNumber(size, file.Size) || file.Size > kMaxFileSize) return false;
  if (hash.size() != 64 || !IsHex(hash)) return false;
  file.Sha256 = std::string(hash);
  file.Path = std::string(rest);
  return IsSafeRelativePath(file.Path);
}

}  // namespace

bool IsSafeRelativePath(std::string_view path) {
  if (path.empty() || path.size() > 1024 || path.front() == '/' || path.back() == '/') return false;
  for (unsigned char c : path)
    if (c < 0x20 || c == 0x7f || c == '\\') return false;
  std::string_view rest = path;
  while (!rest.empty()) {
    std::size_t slash = rest.find('/');
    std::string_view part = rest.substr(0, slash);
    if (part.empty() || part == "." || part == "..") return false;
    rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
  }
  return true;
}

bool IsValidVersion(std::string_view version) {
  int parts = 0;
  std::string_view rest = version;
  do {
    std::size_t dot = rest.find('.');
    std::string_view part = rest.substr(0, dot);
    unsigned value = 0;
    if (part.size() > 9 || !ParseNumber(part, value) || ++parts > 4) return false;
    if (dot == std::string_view::npos) break;
    rest = rest.substr(dot + 1);
  } while (true);
  return true;
}

int CompareVersions(std::string_view a, std::string_view b) {
  const bool validA = IsValidVersion(a), validB = IsValidVersion(b);
  if (!validA || !validB) return int(validA) - int(validB);
  for (int i = 0; i < 4; ++i) {
    auto next = [](std::string_view& rest) {
      unsigned value = 0;
      if (rest.empty()) return value;
      std::size_t dot = rest.find('.');
      ParseNumber(rest.substr(0, dot), value);
      rest = dot == std::string_view::npos ? std::string_view() : rest.substr(dot + 1);
      return value;
    };
    unsigned x = next(a), y = next(b);
    if (x != y) return x < y ? -1 : 1;
  }
  return 0;
}

std::string FormatManifest(const TManifest& manifest) {
  std::string text =
      std::string(kHeader) + "\napp " + manifest.AppCode + "\nversion " + manifest.Version + "\n";
  for (const TManifestFile& file : manifest.Files) {
    char mode[8];
    auto end = std::to_chars(mode, mode + sizeof mode, file.Mode, 8).ptr;
    text += "file " + std::string(mode, end) + " " + std::to_string(file.Size) + " " + file.Sha256 +
            " " + file.Path + "\n";
  }
  return text;
}

bool ParseManifest(const std::string& text, TManifest& manifest, std::string& error) {
  manifest = TManifest();
  std::set<std::string> paths;
  std::string_view rest = text;
  int number = 0;
  auto fail = [&](const std::string& why) {
    error = "manifest line " + std::to_string(number) + ": " + why;
    return false;
  };
  while (!rest.empty()) {
    ++number;
    std::size_t end = rest.find('\n');
    if (end == std::string_view::npos) return fail("no line end");
    std::string_view line = rest.substr(0, end);
    rest = rest.substr(end + 1);
    if (number == 1) {
      if (line != kHeader) return fail("not an update manifest");
      continue;
    }
    std::string_view value = line;
    std::string_view word = NextWord(value);
    if (word == "app" && number == 2 && !value.empty() && IsSafeRelativePath(value) &&
        value.find('/') == std::string_view::npos) {
      manifest.AppCode = std::string(value);
    } else if (word == "version" && number == 3 && IsValidVersion(value)) {
      manifest.Version = std::string(value);
    } else if (word == "file" && number > 3) {
      TManifestFile file;
      if (!ParseFileLine(value, file)) return fail("bad file entry");
      if (!paths.insert(file.Path).second) return fail("file given twice: " + file.Path);
      manifest.Files.push_back(std::move(file));
    } else {
      return fail("unexpected line");
    }
  }
  if (number < 4) return fail("no files");
  return true;
}

}  // namespace selvane::autofetch
