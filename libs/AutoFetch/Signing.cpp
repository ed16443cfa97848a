#include "Signing.h"

#include <sodium.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "core/FileRoutines.h"
#include "core/TextRoutines.h"

#ifndef AUTOFETCH_PUBLIC_KEY
#error "AUTOFETCH_PUBLIC_KEY (base64 of the release public key) must be defined by the build"
#endif

namespace selvane::autofetch {
namespace {

void RequireSodium() {
  if (sodium_init() < 0) throw std::runtime_error("libsodium cannot be initialised");
}

const unsigned char* Bytes(const std::string& text) {
  return reinterpret_cast<const unsigned char*>(text.data());
}

}  // namespace

TKeyPair MakeKeyPair() {
  RequireSodium();
  TKeyPair pair{std::string(crypto_sign_PUBLICKEYBYTES, '\0'),
                std::string(crypto_sign_SECRETKEYBYTES, '\0')};
  crypto_sign_keypair(reinterpret_cast<unsigned char*>(pair.Public.data()),
                      reinterpret_cast<unsigned char*>(pair.Secret.data()));
  return pair;
}

std::string ToBase64(const std::string& bytes) {
  RequireSodium();
  const int variant = sodium_base64_VARIANT_ORIGINAL;
  std::string text(sodium_base64_ENCODED_LEN(bytes.size(), variant), '\0');
  sodium_bin2base64(text.data(), text.size(), Bytes(bytes), bytes.size(), variant);
  text.resize(std::strlen(text.c_str()));
  return text;
}

bool FromBase64(const std::string& text, std::size_t expectedBytes, std::string& bytes) {
  RequireSodium();
  const std::string trimmed = Trim(text);
  std::string decoded(expectedBytes + 3, '\0');
  std::size_t length = 0;
  const char* end = nullptr;
  if (sodium_base642bin(reinterpret_cast<unsigned char*>(decoded.data()), decoded.size(),
                        trimmed.data(), trimmed.size(), nullptr, &length, &end,
                        sodium_base64_VARIANT_ORIGINAL) != 0 ||
      end != trimmed.data() + trimmed.size() || length != expectedBytes)
    return false;
  decoded.resize(length);
  bytes = std::move(decoded);
  return true;
}

std::string SignDetached(const std::string& message, const std::string& secretKey) {
  RequireSodium();
  if (secretKey.size() != crypto_sign_SECRETKEYBYTES)
    throw std::invalid_argument("not an Ed25519 secret key");
  std::string signature(crypto_sign_BYTES, '\0');
  crypto_sign_detached(reinterpret_cast<unsigned char*>(signature.data()), nullptr, Bytes(message),
                       message.size(), Bytes(secretKey));
  return signature;
}

bool VerifyDetached(const std::string& message, const std::string& signature,
                    const std::string& publicKey) {
  RequireSodium();
  return signature.size() == crypto_sign_BYTES && publicKey.size() == crypto_sign_PUBLICKEYBYTES &&
         crypto_sign_verify_detached(Bytes(signature), Bytes(message), message.size(),
                                     Bytes(publicKey)) == 0;
}

std::string KeyFileText(const std::string& key, const std::string& comment) {
  return "# " + comment + "\n" + ToBase64(key) + "\n";
}

bool ReadKeyFile(const std::string& fileName, std::size_t keyBytes, std::string& key,
                 std::string& error) {
  std::string text;
  if (!ReadWholeFile(fileName, text)) {
    error = fileName + ": cannot be read";
    return false;
  }
  std::string keyLine;
  int keyLines = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = Trim(std::string_view(text).substr(start, end - start));
    start = end + 1;
    if (line.empty() || line[0] == '#') continue;
    keyLine = line;
    ++keyLines;
  }
  if (keyLines != 1 || !FromBase64(keyLine, keyBytes, key)) {
    error = fileName + ": not a key of " + std::to_string(keyBytes) + " bytes";
    return false;
  }
  return true;
}

bool ReleasePublicKey(const std::string& programFolder, std::string& key, std::string& error) {
  const std::string fileName = programFolder + kPublicKeyFileName;
  std::error_code ec;
  const bool present =
      std::filesystem::symlink_status(fileName, ec).type() != std::filesystem::file_type::not_found;
  if (present || (ec && ec != std::errc::no_such_file_or_directory))
    return ReadKeyFile(fileName, kPublicKeyBytes, key, error);
  if (FromBase64(AUTOFETCH_PUBLIC_KEY, kPublicKeyBytes, key)) return true;
  error = "the built-in release key is not valid";
  return false;
}

std::string Sha256Hex(const std::string& bytes) {
  RequireSodium();
  unsigned char digest[crypto_hash_sha256_BYTES];
  crypto_hash_sha256(digest, Bytes(bytes), bytes.size());
  char hex[2 * crypto_hash_sha256_BYTES + 1];
  sodium_bin2hex(hex, sizeof hex, digest, sizeof digest);
  return hex;
}

bool HashFile(const std::string& fileName, std::uint64_t& size, std::string& sha256,
              std::string& error) {
  RequireSodium();
  std::error_code ec;
  if (!std::filesystem::is_regular_file(fileName, ec)) {
    error = fileName + ": not a file";
    return false;
  }
  std::ifstream in(fileName, std::ios::binary);
  if (!in) {
    error = fileName + ": " + std::strerror(errno);
    return false;
  }
  crypto_hash_sha256_state state;
  crypto_hash_sha256_init(&state);
  size = 0;
  char buffer[1 << 16];
  while (in) {
    in.read(buffer, sizeof buffer);
    const std::streamsize got = in.gcount();
    if (got <= 0) break;
    crypto_hash_sha256_update(&state, reinterpret_cast<unsigned char*>(buffer), std::size_t(got));
    size += std::uint64_t(got);
  }
  if (in.bad()) {
    error = fileName + ": read error";
    return false;
  }
  unsigned char digest[crypto_hash_sha256_BYTES];
  crypto_hash_sha256_final(&state, digest);
  char hex[2 * crypto_hash_sha256_BYTES + 1];
  sodium_bin2hex(hex, sizeof hex, digest, sizeof digest);
  sha256 = hex;
  return true;
}

}  // namespace selvane::autofetch
