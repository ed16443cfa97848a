// A batch: what one request file section carries. It is one pending order of an institution,
// which gives the file its institution-level fields, the other pending orders of that
// institution with the same work and payment dates, and the pending recipients of those orders
// in the recipient table's order. Values are UTF-8 as stored.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Date.h"
#include "core/Money.h"

namespace selvane {

struct TBatchOrder {
  std::int64_t RowId = 0;
  int KigwanId = 0;
  std::string DongId;
  std::string LargeItmId;
  std::string KigwanName;
  std::string Corcode;
  std::string BankID;
  std::string BankNo;
  std::string LocalBank;
  std::string SendName;
  std::string Bcode;
  TDate A_Date;   // work (application) date
  TDate To_date;  // payment (transfer) date
};

struct TBatchRecipient {
  std::int64_t RowId = 0;
  std::string DongId;
  std::string LargeitmId;
  std::string BankId;
  std::string BankNo;
  std::string Jumin;
  std::string Name;
  TMoney Monecy;
  int State = 0;
  std::int64_t JaGubun = 0;  // fund category; 0 when empty
  std::string prtText;       // name of the recipient's benefit item; "" when none
};

struct TBatch {
  TBatchOrder Order;                    // the first pending order: the file's header
  std::vector<std::int64_t> OrderRows;  // every order the batch sends, Order first
  std::vector<TBatchRecipient> Recipients;
};

}  // namespace selvane
