#include "core/Cp949.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>

namespace selvane {
namespace {

// One converter per direction and thread; iconv_open is far too slow to call per field.
class TConverter {
 public:
  TConverter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~TConverter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  TConverter(const TConverter&) = delete;
  TConverter& operator=(const TConverter&) = delete;

  // Converts all of in; on failure returns false and sets badOffset to the offending byte.
  bool Convert(std::string_view in, std::string& out, std::size_t& badOffset) {
    out.clear();
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      badOffset = 0;
      return false;
    }
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buffer[4096];
    while (srcLeft > 0) {
      char* dst = buffer;
      std::size_t dstLeft = sizeof buffer;
      std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buffer, dst - buffer);
      if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
        badOffset = in.size() - srcLeft;
        return false;
      }
    }
    char* dst = buffer;
    std::size_t dstLeft = sizeof buffer;
    iconv(cd_, nullptr, nullptr, &dst, &dstLeft);
    out.append(buffer, dst - buffer);
    return true;
  }

 private:
  iconv_t cd_;
};

TConverter& ToCp949Converter() {
  thread_local TConverter converter("CP949", "UTF-8");
  return converter;
}

TConverter& FromCp949Converter() {
  thread_local TConverter converter("UTF-8", "CP949");
  return converter;
}

// The UTF-8 character starting at offset, for error messages.
std::string CharacterAt(std::string_view utf8, std::size_t offset) {
  std::size_t end = offset + 1;
  while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) ++end;
  return std::string(utf8.substr(offset, end - offset));
}

}  // namespace

bool TryToCp949(std::string_view utf8, std::string& out) {
  std::size_t bad = 0;
  return ToCp949Converter().Convert(utf8, out, bad);
}

bool TryFromCp949(std::string_view cp949, std::string& out) {
  std::size_t bad = 0;
  return FromCp949Converter().Convert(cp949, out, bad);
}

std::string ToCp949(std::string_view utf8) {
  std::string out;
  std::size_t bad = 0;
  if (!ToCp949Converter().Convert(utf8, out, bad)) {
    throw TEncodingError("CP949로 바꿀 수 없는 문자가 있습니다: \"" + CharacterAt(utf8, bad) +
                         "\"");
  }
  return out;
}

std::string FromCp949(std::string_view cp949) {
  std::string out;
  std::size_t bad = 0;
  if (!FromCp949Converter().Convert(cp949, out, bad)) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X",
                  bad < cp949.size() ? static_cast<unsigned char>(cp949[bad]) : 0);
    throw TEncodingError("CP949 문자가 아닌 바이트가 있습니다: " + std::to_string(bad + 1) +
                         "번째 바이트 " + hex);
  }
  return out;
}

std::size_t Cp949Length(std::string_view utf8) {
  return ToCp949(utf8).size();
}

std::size_t Cp949WholePrefix(std::string_view cp949, std::size_t width) {
  std::size_t pos = 0;
  while (pos < cp949.size() && pos < width) {
    std::size_t charLen = static_cast<unsigned char>(cp949[pos]) >= 0x81 ? 2 : 1;
    if (pos + charLen > width) break;
    pos += charLen;
  }
  return pos < cp949.size() ? pos : cp949.size();
}

std::string FromCp949Field(std::string_view cp949) {
  // A lead byte left alone at the very end is half a character cut by the field.
  std::size_t whole = Cp949WholePrefix(cp949, cp949.size());
  return FromCp949(cp949.substr(0, whole));
}

std::string CutToCp949Width(std::string_view utf8, std::size_t width) {
  std::string bytes = ToCp949(utf8);
  if (bytes.size() <= width) return std::string(utf8);
  return FromCp949(std::string_view(bytes).substr(0, Cp949WholePrefix(bytes, width)));
}

}  // namespace selvane
