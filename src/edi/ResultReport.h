// What a result-file reader did with one file: how many data records it applied, every record
// it passed over (record number, kind and reason), the file's lines for the exchange list and
// whether the file was whole. A file that is not whole is not applied at all.
#pragma once

#include <string>
#include <vector>

#include "edi/ExchangeView.h"

namespace selvane {

struct TSkippedRecord {
  int RecordNo = 0;  // 1-based record number in the file
  char Kind = 0;     // the record's first byte
  std::string Reason;
};

struct TResultReport {
  bool Opened = false;
  int Applied = 0;
  int DataRecords = 0;  // data records read
  std::vector<TSkippedRecord> Skipped;
  std::vector<TRecvInfo> Lines;  // one per end record
  std::string Institution;       // the name of the last institution a header selected
  // The file ends with a valid end record that closes the records before it: a file cut short,
  // or whose end cannot be read, is not whole.
  bool Complete = false;
};

// "3번째 레코드 (D): REASON", the kind shown only when it is a printable character.
std::string SkippedRecordText(const TSkippedRecord& skipped);

}  // namespace selvane
