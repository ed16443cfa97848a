// mkrelease: the release side of the program's updates.
//
//   mkrelease keygen DIR                          DIR/release.key (secret, mode 0600) and
//                                                 DIR/AutoFetch.pub; prints the public key
//   mkrelease sign SECRETKEY APPCODE VERSION DIR  signs every file below DIR as an update
//                                                 source: writes DIR/manifest, DIR/manifest.sig
//   mkrelease verify PUBLICKEY APPCODE DIR        checks an update source as the program would
//
// Output lines "status: ...", "file: PATH SIZE", "error: ..."; exit 0 success, 1 failure, 2 bad
// usage.
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "Manifest.h"
#include "Signing.h"
#include "Upgrade.h"
#include "UpgradeLayout.h"
#include "core/FileRoutines.h"
#include "core/TextRoutines.h"

using namespace selvane;
using namespace selvane::autofetch;

namespace {

namespace fs = std::filesystem;

int Fail(const std::string& why) {
  std::cout << "error: " << why << '\n';
  return 1;
}

bool Write(const std::string& fileName, const std::string& bytes, std::string& error) {
  return ReplaceFileAtomically(fileName, bytes, error);
}

int KeyGen(const std::string& folder) {
  const std::string dir = WithBackslash(folder);
  const std::string secretFile = dir + "release.key", publicFile = dir + kPublicKeyFileName;
  std::error_code ec;
  if (fs::exists(secretFile, ec) || fs::exists(publicFile, ec))
    return Fail(dir + ": already holds a key; a new pair would lock out every office");
  fs::create_directories(dir, ec);
  const TKeyPair pair = MakeKeyPair();
  std::string error;
  if (!Write(secretFile, KeyFileText(pair.Secret, "Ed25519 secret key of the program's updates"),
             error) ||
      ::chmod(secretFile.c_str(), 0600) != 0)
    return Fail(error.empty() ? secretFile + ": cannot be protected" : error);
  if (!Write(publicFile, KeyFileText(pair.Public, "Ed25519 public key of the program's updates"),
             error))
    return Fail(error);
  std::cout << "status: key pair written to " << dir << '\n'
            << "public-key: " << ToBase64(pair.Public) << '\n';
  return 0;
}

// Every file below folder but the manifest and its signature, in path order.
bool CollectFiles(const std::string& folder, std::vector<TManifestFile>& files,
                  std::string& error) {
  std::error_code ec;
  fs::recursive_directory_iterator it(folder, ec), end;
  if (ec) {
    error = folder + ": " + ec.message();
    return false;
  }
  for (; it != end; it.increment(ec)) {
    if (ec) {
      error = folder + ": " + ec.message();
      return false;
    }
    const fs::file_status status = it->symlink_status(ec);
    if (fs::is_directory(status)) continue;
    const std::string path = fs::relative(it->path(), folder, ec).generic_string();
    if (path == kManifestName || path == kSignatureName) continue;
    if (!fs::is_regular_file(status)) {
      error = path + ": only plain files can be part of an update";
      return false;
    }
    if (!IsSafeRelativePath(path)) {
      error = path + ": not a name an update can carry";
      return false;
    }
    TManifestFile file;
    file.Path = path;
    file.Mode = unsigned(status.permissions() & fs::perms::mask) & 0777;
    if (!HashFile(it->path().string(), file.Size, file.Sha256, error)) return false;
    files.push_back(std::move(file));
  }
  std::sort(files.begin(), files.end(),
            [](const TManifestFile& a, const TManifestFile& b) { return a.Path < b.Path; });
  if (files.empty()) {
    error = folder + ": no files to sign";
    return false;
  }
  return true;
}

int Sign(const std::string& keyFile, const std::string& appCode, const std::string& version,
         const std::string& folder) {
  const std::string dir = WithBackslash(folder);
  std::string secret, error;
  if (!ReadKeyFile(keyFile, kSecretKeyBytes, secret, error)) return Fail(error);
  if (!IsValidVersion(version)) return Fail(version + ": not a version (1 to 4 numbers)");
  if (appCode.empty() || !IsSafeRelativePath(appCode) || appCode.find('/') != std::string::npos)
    return Fail(appCode + ": not an application code");
  TManifest manifest{appCode, version, {}};
  if (!CollectFiles(dir, manifest.Files, error)) return Fail(error);
  const std::string text = FormatManifest(manifest);
  TManifest check;
  if (!ParseManifest(text, check, error) || !(check == manifest)) return Fail("manifest: " + error);
  // The signature goes first: a manifest without its signature is never taken for an update.
  const std::string signature = ToBase64(SignDetached(text, secret)) + "\n";
  if (!Write(dir + kSignatureName, signature, error) || !Write(dir + kManifestName, text, error))
    return Fail(error);
  for (const TManifestFile& file : manifest.Files)
    std::cout << "file: " << file.Path << ' ' << file.Size << '\n';
  std::cout << "status: " << manifest.Files.size() << " files of " << appCode << ' ' << version
            << " signed in " << dir << '\n';
  return 0;
}

int Verify(const std::string& keyFile, const std::string& appCode, const std::string& folder) {
  std::string publicKey, error;
  if (!ReadKeyFile(keyFile, kPublicKeyBytes, publicKey, error)) return Fail(error);
  TManifest manifest;
  if (!VerifyUpdateFolder(WithBackslash(folder), appCode, publicKey, manifest, error))
    return Fail(error);
  std::cout << "status: " << manifest.Files.size() << " files of " << appCode << ' '
            << manifest.Version << " verified\n";
  return 0;
}

int Usage() {
  std::cerr << "usage: mkrelease keygen DIR\n"
               "       mkrelease sign SECRETKEY APPCODE VERSION DIR\n"
               "       mkrelease verify PUBLICKEY APPCODE DIR\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage();
  try {
    if (args[0] == "keygen" && args.size() == 2) return KeyGen(args[1]);
    if (args[0] == "sign" && args.size() == 5) return Sign(args[1], args[2], args[3], args[4]);
    if (args[0] == "verify" && args.size() == 4) return Verify(args[1], args[2], args[3]);
  } catch (const std::exception& error) {
    return Fail(error.what());
  }
  return Usage();
}
