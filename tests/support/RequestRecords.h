// Writer tests without a database: a pending recipient built by value, and the records a writer
// puts after the envelope line of a batch's request file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "edi/EDISend.h"

namespace selvane::test {

// A pending recipient "홍길동" with resident number 700101-1234567.
TBatchRecipient PendingRecipient(const std::string& bank, const std::string& account,
                                 std::int64_t won, std::int64_t fund = 0,
                                 const std::string& item = "");

// Writes the batch into a send folder of its own and gives the records after the envelope line;
// result, when given, takes what the writer returned.
std::vector<std::string> RequestRecords(TSendFn write, const TBatch& batch,
                                        TBatchResult* result = nullptr);

}  // namespace selvane::test
