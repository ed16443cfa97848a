#include "core/IniFile.h"

#include <filesystem>
#include <string_view>
#include <vector>

#include "core/FileRoutines.h"
#include "core/TextRoutines.h"

namespace selvane {

namespace {

struct TLine {
  std::string_view Text;  // without its line end
  std::size_t End = 0;    // offset after its line end
};

std::vector<TLine> SplitLines(const std::string& bytes) {
  std::vector<TLine> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    std::size_t next = end == std::string::npos ? bytes.size() : end + 1;
    std::string_view text(bytes.data() + start,
                          (end == std::string::npos ? bytes.size() : end) - start);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    lines.push_back({text, next});
    start = next;
  }
  return lines;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// "[name]" gives the section name.
bool SectionName(std::string_view line, std::string_view& name) {
  line = TrimBlanks(line);
  if (line.size() < 2 || line.front() != '[' || line.back() != ']') return false;
  name = TrimBlanks(line.substr(1, line.size() - 2));
  return true;
}

// "key=value" gives the key name and the raw value.
bool KeyLine(std::string_view line, std::string_view& key, std::string_view& value) {
  std::string_view lead = TrimBlanks(line);
  if (lead.empty() || lead.front() == ';' || lead.front() == '[') return false;
  std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return false;
  key = TrimBlanks(line.substr(0, eq));
  value = line.substr(eq + 1);
  return true;
}

}  // namespace

std::optional<std::string> TIniFile::Read(const std::string& section,
                                          const std::string& key) const {
  std::string bytes;
  if (!ReadWholeFile(fileName_, bytes)) {
    std::error_code ec;
    if (!std::filesystem::exists(fileName_, ec)) return std::nullopt;
    // A file that is there but cannot be read is not an empty one: a start password in it must
    // not read as none.
    throw TSettingsFileError("설정 파일을 읽을 수 없습니다: " + fileName_);
  }
  bool inSection = false;
  for (const auto& line : SplitLines(bytes)) {
    std::string_view name, value;
    if (SectionName(line.Text, name)) {
      inSection = SameText(name, section);
    } else if (inSection && KeyLine(line.Text, name, value) && SameText(name, key)) {
      return std::string(value);
    }
  }
  return std::nullopt;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& fallback) const {
  return Read(section, key).value_or(fallback);
}

bool TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
  error_.clear();
  if (value.find_first_of("\r\n") != std::string::npos) {
    error_ = "줄바꿈이 들어 있는 값은 설정 파일에 쓸 수 없습니다: " + key;
    return false;
  }
  std::string bytes;
  std::error_code ec;
  if (!ReadWholeFile(fileName_, bytes) && std::filesystem::exists(fileName_, ec)) {
    error_ = "설정 파일을 읽을 수 없습니다: " + fileName_;
    return false;
  }
  const std::string entry = key + "=" + value + "\n";
  std::string out;
  std::size_t start = 0;
  bool inSection = false, done = false;
  std::size_t sectionEnd = std::string::npos;  // where a new key of the section goes
  for (const auto& line : SplitLines(bytes)) {
    std::string_view name, old;
    if (SectionName(line.Text, name)) {
      inSection = !done && SameText(name, section);
      if (inSection) sectionEnd = line.End;
    } else if (inSection && KeyLine(line.Text, name, old)) {
      if (SameText(name, key)) {
        out = bytes.substr(0, start) + entry + bytes.substr(line.End);
        done = true;
        break;
      }
      sectionEnd = line.End;
    } else if (inSection && !TrimBlanks(line.Text).empty()) {
      sectionEnd = line.End;
    }
    start = line.End;
  }
  if (!done) {
    if (sectionEnd != std::string::npos) {
      std::string head = bytes.substr(0, sectionEnd);
      if (!head.empty() && head.back() != '\n') head += "\n";
      out = head + entry + bytes.substr(sectionEnd);
    } else {
      out = bytes;
      if (!out.empty() && out.back() != '\n') out += "\n";
      if (!out.empty()) out += "\n";
      out += "[" + section + "]\n" + entry;
    }
  }
  std::string reason;
  if (!ReplaceFileAtomically(fileName_, out, reason)) {
    error_ = "설정 파일을 쓸 수 없습니다: " + fileName_ + ": " + reason;
    return false;
  }
  return true;
}

}  // namespace selvane
