// Converting a recipient file of a stored layout (a row of TBCath) into recipients of an order.
// A layout says where the bank code, account, amount, resident number and name stand in a
// record; records are fixed-length (ReLen bytes) or, with ReLen 0, text lines.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/DM.h"
#include "core/Globals.h"

namespace selvane {

enum TLayoutItem { liBank = 0, liAccount, liAmount, liResident, liName };

struct TLayoutSpan {
  int Start = 0;  // 1-based; 0 means not set
  int Size = 0;
};

struct TLayout {
  std::string Name;
  int ReLen = 0;
  std::array<TLayoutSpan, 5> Spans;
};

// The longest record the conversion and the sample read.
inline constexpr std::size_t kMaxConversionRecord = 1024;
inline constexpr std::size_t kMaxSampleRecord = 255;

// The layout of the row current in TB_Cath: Name, ReLen and the five (start, size) pairs at
// column positions 3 to 12.
TLayout CurrentLayout(TTable& cath);

// The records of a file for the conversion: ReLen-byte records or text lines, without the empty
// and all-blank ones. Throws std::runtime_error with a message for the user when the file cannot
// be read, is not CP949 text, or has records longer than kMaxConversionRecord.
std::vector<std::string> ReadConversionRecords(const std::string& fileName, int reLen);
// Up to five records for the sample view (at least one, possibly empty); records longer than
// kMaxSampleRecord are refused the same way.
std::vector<std::string> ReadSampleRecords(const std::string& fileName, int reLen);

// The bytes of an item of a record (empty when its span is not set).
std::string LayoutItem(const std::string& record, const TLayoutSpan& span);

struct TConversionRequest {
  TOrderKey Order;
  std::string OrderBank;          // BankID of the order
  std::optional<int> FundChoice;  // 0 to 2; needed for orders of bank 11 and 12
  TLayout Layout;
};

struct TConversionOutcome {
  int Converted = 0;
  bool Completed = false;  // every record converted
};

// Converts the file record by record with every message of the conversion; a refused record
// (or a store that cannot be committed) stops it and removes the records it converted, so the
// list is as it was. An amount must be a whole number of won above zero; a name must hold no
// control character.
TConversionOutcome ConvertRecipientFile(TDModule& dm, const TConversionRequest& request,
                                        const std::string& fileName);

}  // namespace selvane
