// One recipient row (TBTransSub) for tests. The columns a test does not name keep these values:
// institution 1, dong "0001", item "01", bank 04, 1,000 won, waiting, "홍길동"; so a test names
// only the columns it is about, and a change of the table's columns touches this one place.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/Money.h"
#include "core/Table.h"

namespace selvane::test {

struct TRecipientRow {
  int KigwanId = 1;
  std::string DongId = "0001";
  std::string ItemId = "01";
  std::string BankId = "04";
  std::string BankNo = "";
  std::string Jumin = "700101-1234567";
  std::int64_t Won = 1000;
  int State = 1;
  std::optional<int> JaGubun = std::nullopt;  // fund category; none when not given
  std::string Name = "홍길동";
  std::string Result = "";  // empty: no result yet
  std::optional<TMoney> Amount =
      std::nullopt;  // in place of Won: an amount with a fraction of a won

  TMoney Monecy() const { return Amount ? *Amount : TMoney::FromWon(Won); }
};

// Appends and posts the row to the recipient table (not committed); the table stands on it.
void AddRecipient(TTable& recipients, const TRecipientRow& row);

}  // namespace selvane::test
