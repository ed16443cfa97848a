// Ed25519 signatures and SHA-256 hashes of updates (libsodium). Keys travel as text files: one
// line of base64 (standard alphabet), lines starting with "#" are comments. A public key file
// holds the 32-byte key, a secret key file the 64-byte secret key of libsodium.
#pragma once

#include <cstdint>
#include <string>

namespace selvane::autofetch {

inline constexpr std::size_t kPublicKeyBytes = 32;
inline constexpr std::size_t kSecretKeyBytes = 64;
inline constexpr std::size_t kSignatureBytes = 64;

// The public key file that replaces the built-in key, in the program folder.
inline constexpr const char* kPublicKeyFileName = "AutoFetch.pub";

struct TKeyPair {
  std::string Public;  // raw bytes
  std::string Secret;
};

TKeyPair MakeKeyPair();

std::string ToBase64(const std::string& bytes);
// False for anything but base64 of exactly expectedBytes bytes (blanks around it ignored).
bool FromBase64(const std::string& text, std::size_t expectedBytes, std::string& bytes);

// The detached signature (raw bytes) of message.
std::string SignDetached(const std::string& message, const std::string& secretKey);
bool VerifyDetached(const std::string& message, const std::string& signature,
                    const std::string& publicKey);

std::string KeyFileText(const std::string& key, const std::string& comment);
// The key of a key file; false, with the reason, when the file is missing, unreadable or holds
// anything but one key of that length.
bool ReadKeyFile(const std::string& fileName, std::size_t keyBytes, std::string& key,
                 std::string& error);

// The key updates are checked against: the key file of the program folder when there is one
// (a damaged one is an error, never a fall-back), else the key built into the component.
bool ReleasePublicKey(const std::string& programFolder, std::string& key, std::string& error);

// Lower-case hex SHA-256 of bytes, and of a file read in pieces.
std::string Sha256Hex(const std::string& bytes);
bool HashFile(const std::string& fileName, std::uint64_t& size, std::string& sha256,
              std::string& error);

}  // namespace selvane::autofetch
