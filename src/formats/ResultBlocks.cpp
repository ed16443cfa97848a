#include "formats/ResultBlocks.h"

#include <fstream>

#include "core/TextRoutines.h"
#include "formats/StandardLayout.h"

namespace selvane {
namespace {

constexpr std::size_t kRecordWidth = 78;

}  // namespace

TResultReport ReadResultBlocks(const std::string& fileName, TDModule& dm,
                               const TResultRecordFn& onRecord) {
  std::ifstream file(fileName, std::ios::binary);
  if (!file) return {};
  TResultReader reader(fileName, dm);
  std::string block(kStandardResultBlock, '\0');
  for (int recordNo = 1;; ++recordNo) {
    file.read(block.data(), kStandardResultBlock);
    const auto got = static_cast<std::size_t>(file.gcount());
    if (got == 0) break;
    // A last record that lacks only its line end is whole.
    if (got < kRecordWidth) {
      reader.SkipTail(recordNo, std::string_view(block).substr(0, got),
                      "78바이트가 안 되는 끝부분");
      break;
    }
    onRecord(reader, std::string_view(block).substr(0, kRecordWidth), recordNo);
    if (got < block.size()) break;
  }
  return reader.Finish();
}

int FieldInteger(std::string_view field) {
  std::string text = Trim(field);
  if (!IsAllDigits(text) || text.size() > 9) return 0;
  return std::stoi(text);
}

}  // namespace selvane
