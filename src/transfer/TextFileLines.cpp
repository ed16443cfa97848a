#include "transfer/TextFileLines.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "core/Cp949.h"

namespace selvane {

std::string ReadFileBytes(const std::string& fileName) {
  // A folder would read as nothing and a FIFO would wait for ever: only plain files are read.
  std::error_code ec;
  const auto status = std::filesystem::status(fileName, ec);
  if (!ec && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
    throw std::runtime_error("보통 파일이 아니어서 읽을 수 없습니다: " + fileName);
  std::ifstream in(fileName, std::ios::binary);
  if (!in) throw std::runtime_error("파일을 열 수 없습니다: " + fileName);
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) throw std::runtime_error("파일을 읽을 수 없습니다: " + fileName);
  return content.str();
}

std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    char c = bytes[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

std::vector<std::string> SplitRecords(const std::string& bytes, std::size_t recordLength,
                                      std::size_t maxRecords) {
  std::vector<std::string> records;
  if (recordLength == 0) return records;
  for (std::size_t pos = 0; pos + recordLength <= bytes.size(); pos += recordLength) {
    if (maxRecords != 0 && records.size() >= maxRecords) break;
    std::string record = bytes.substr(pos, recordLength);
    for (char& c : record)
      if (c == '\0') c = ' ';
    records.push_back(std::move(record));
  }
  return records;
}

std::string BytesAt(const std::string& text, std::size_t position, std::size_t width) {
  if (position < 1 || position > text.size()) return std::string();
  return text.substr(position - 1, width);
}

void WriteCp949Lines(const std::string& fileName, const std::vector<std::string>& utf8Lines) {
  std::string bytes;
  for (const auto& line : utf8Lines) bytes += ToCp949(line) + "\r\n";
  std::string temporary = fileName + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.flush();
    if (!out) {
      std::error_code ec;
      std::filesystem::remove(temporary, ec);
      throw std::runtime_error("파일을 쓸 수 없습니다: " + fileName);
    }
  }
  std::error_code ec;
  std::filesystem::rename(temporary, fileName, ec);
  if (ec) {
    std::filesystem::remove(temporary, ec);
    throw std::runtime_error("파일을 쓸 수 없습니다: " + fileName);
  }
}

std::string SafeFileNamePart(const std::string& name) {
  std::string safe = name;
  for (char& c : safe)
    if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20) c = '_';
  for (char& c : safe) {
    if (c != '.') break;
    c = '_';
  }
  return safe;
}

}  // namespace selvane
