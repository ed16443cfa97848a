// The manifest of an update: the application it is for, its version and every file with its
// path below the install folder, mode, size and SHA-256. It is plain text, one item a line:
//
//   selvane-update 1
//   app DB
//   version 1.5.4.2
//   file 755 1843200 9f86d0...(64 hex digits) bin/selvane
//
// The path comes last so that it may hold blanks. The manifest is signed as these exact bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace selvane::autofetch {

struct TManifestFile {
  std::string Path;  // relative, "/"-separated, never leaving the install folder
  unsigned Mode = 0644;
  std::uint64_t Size = 0;
  std::string Sha256;  // 64 lower-case hex digits
  bool operator==(const TManifestFile&) const = default;
};

struct TManifest {
  std::string AppCode;
  std::string Version;
  std::vector<TManifestFile> Files;  // each path once
  bool operator==(const TManifest&) const = default;
};

std::string FormatManifest(const TManifest& manifest);
// False, with the line and the reason in error, for anything but a well-formed manifest: an
// unknown line, a bad number or hash, a path that is absolute, has "." or ".." parts, a
// backslash or a control character, a path given twice, no file at all.
bool ParseManifest(const std::string& text, TManifest& manifest, std::string& error);

bool IsSafeRelativePath(std::string_view path);
// One to four decimal numbers joined by ".".
bool IsValidVersion(std::string_view version);
// Below, equal to or above 0 as a is older than, the same as or newer than b, number by number
// ("1.10" is newer than "1.9"); missing numbers count 0, an invalid version is older than any.
int CompareVersions(std::string_view a, std::string_view b);

}  // namespace selvane::autofetch
