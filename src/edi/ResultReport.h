// What a result-file reader did with one file: how many data records it applied and every
// record it passed over, with its record number, kind and reason.
#pragma once

#include <string>
#include <vector>

namespace selvane {

struct TSkippedRecord {
  int RecordNo = 0;  // 1-based block number in the file
  char Kind = 0;     // the record's first byte
  std::string Reason;
};

struct TResultReport {
  bool Opened = false;
  int Applied = 0;
  std::vector<TSkippedRecord> Skipped;
};

}  // namespace selvane
