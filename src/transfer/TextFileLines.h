// Reading recipient text files: whole files as bytes, text lines, fixed-length records.
#pragma once

#include <string>
#include <vector>

namespace selvane {

// The bytes of a file; throws std::runtime_error naming the file when it cannot be read or is not
// a plain file (a folder, a FIFO, a device).
std::string ReadFileBytes(const std::string& fileName);

// Text lines ended by CR LF, LF or CR; a last line without its end counts, the empty text after
// a final line end does not.
std::vector<std::string> SplitLines(const std::string& bytes);

// Records of recordLength bytes from the start of the bytes, at most maxRecords of them (0 for
// all), a shorter tail left out; every zero byte becomes a blank.
std::vector<std::string> SplitRecords(const std::string& bytes, std::size_t recordLength,
                                      std::size_t maxRecords = 0);

// Bytes of a 1-based position over a width, as far as the text reaches.
std::string BytesAt(const std::string& text, std::size_t position, std::size_t width);

// Writes the lines as a CP949 text file with CR LF line ends, replacing the file; throws
// std::runtime_error naming the file when it cannot be written.
void WriteCp949Lines(const std::string& fileName, const std::vector<std::string>& utf8Lines);

// A name made safe as one file name: "/", control characters and leading dots become "_".
std::string SafeFileNamePart(const std::string& name);

}  // namespace selvane
