// Sample data for trying the program out: one institution of the standard format (bank 04),
// a dong, an item, one pending order paid on the next working day and a few recipients, plus an
// EDI user ID, so that a send and a receive in test mode work at once.
#pragma once

#include <stdexcept>

#include "core/DM.h"

namespace selvane {

inline constexpr const char* kDemoKigwanName = "견본기관(연습용)";
inline constexpr const char* kDemoLoginId = "DEMO01";

class TDemoRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Fills a database without institutions and returns the number of recipients added; throws
// TDemoRefused when an institution exists. Sets the EDI user ID when none is set. Needs the
// holiday lists.
int FillDemoData(TDModule& dm);

}  // namespace selvane
