#include "edi/EDISend.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <set>

#include "core/BankCodes.h"
#include "core/EdiFolders.h"
#include "core/FileRoutines.h"
#include "core/Globals.h"
#include "core/TransferState.h"
#include "edi/BatchWriter.h"
#include "edi/SentRecord.h"
#include "formats/SendTrans80_Hanvit.h"
#include "formats/SendTrans_Cheju.h"
#include "formats/SendTrans_Fishercorp.h"
#include "formats/SendTrans_ForeignExchange.h"
#include "formats/SendTrans_House.h"
#include "formats/SendTrans_JeonBuk.h"
#include "formats/SendTrans_KiUp.h"
#include "formats/SendTrans_NongHyup.h"
#include "formats/SendTrans_NongHyupMember.h"
#include "formats/SendTrans_SinHan.h"
#include "formats/Send_Standard.h"

namespace selvane {
namespace {

// The send table, in the order the codes are tested. Families without a writer of their own yet
// are written in the standard format.
const TSendFormat kSendFormats[] = {
    {"Hanvit", &IsHanvitBank, &SendTrans80_Hanvit},
    {"NongHyupCentral", &IsNongHyupCentral, &SendTrans_NongHyup},
    {"NongHyupMember", &IsNongHyupMember, &SendTrans_NongHyupMember},
    {"Jeonbuk", &IsJeonbukBank, &SendTrans_JeonBuk},
    {"Housing", &IsHousingBank, &SendTrans_House},
    {"Fisheries", &IsFisheriesBank, &SendTrans_Fishercorp},
    {"ForeignExchange", &IsForeignExchangeBank, &SendTrans_ForeignExchange},
    {"Industrial", &IsIndustrialBank, &SendTrans_KiUp},
    {"Shinhan", &IsShinhanBank, &SendTrans_SinHan},
    {"Jeju", &IsJejuBank, &SendTrans_Cheju},
    {"Standard", nullptr, &Send_Standard},
};

std::optional<TDate> DateOf(const TValue& value) {
  return value.AsDate();
}

struct TPendingOrder {
  TBatchOrder Order;
  std::optional<TDate> A_Date, To_date;
};

std::vector<TPendingOrder> PendingOrders(TDModule& dm) {
  TStatement& select = dm.Database.Prepare(
      "SELECT rowid, KigwanId, DongID, LargeItmID, KigwanName, Corcode, BankID, BankNo, "
      "LocalBank, SendName, Bcode, A_Date, To_date FROM TBTrans WHERE State = ?1 "
      "ORDER BY KigwanId, DongID, LargeItmID");
  select.Bind({TValue(static_cast<int>(Waiting))});
  std::vector<TPendingOrder> orders;
  while (select.Step()) {
    TPendingOrder pending;
    TBatchOrder& o = pending.Order;
    o.RowId = select.Column(0).AsInteger();
    o.KigwanId = static_cast<int>(select.Column(1).AsInteger());
    o.DongId = select.Column(2).AsString();
    o.LargeItmId = select.Column(3).AsString();
    o.KigwanName = select.Column(4).AsString();
    o.Corcode = select.Column(5).AsString();
    o.BankID = select.Column(6).AsString();
    o.BankNo = select.Column(7).AsString();
    o.LocalBank = select.Column(8).AsString();
    o.SendName = select.Column(9).AsString();
    o.Bcode = select.Column(10).AsString();
    pending.A_Date = DateOf(select.Column(11));
    pending.To_date = DateOf(select.Column(12));
    orders.push_back(std::move(pending));
  }
  select.Reset();
  return orders;
}

// The pending recipients of the institution that belong to one of the batch's orders, in the
// recipient table's order.
void AddRecipients(TDModule& dm, const std::vector<TBatchOrder>& members, TBatch& batch) {
  TStatement& select = dm.Database.Prepare(
      "SELECT rowid, DongId, LargeitmId, BankId, BankNo, Jumin, Name, Monecy, State, JaGubun, "
      "(SELECT LargeItmNm FROM TBLargeItem WHERE LargeItmId = TBTransSub.LargeitmId) "
      "FROM TBTransSub WHERE State = ?1 AND KigwanId = ?2 "
      "ORDER BY KigwanId, DongId, LargeitmId, BankId, BankNo");
  select.Bind({TValue(static_cast<int>(Waiting)), TValue(batch.Order.KigwanId)});
  while (select.Step()) {
    TBatchRecipient r;
    r.RowId = select.Column(0).AsInteger();
    r.DongId = select.Column(1).AsString();
    r.LargeitmId = select.Column(2).AsString();
    bool member = std::any_of(members.begin(), members.end(), [&](const TBatchOrder& o) {
      return o.DongId == r.DongId && o.LargeItmId == r.LargeitmId;
    });
    if (!member) continue;
    r.BankId = select.Column(3).AsString();
    r.BankNo = select.Column(4).AsString();
    r.Jumin = select.Column(5).AsString();
    r.Name = select.Column(6).AsString();
    r.Monecy = select.Column(7).AsMoney();
    r.State = static_cast<int>(select.Column(8).AsInteger());
    r.JaGubun = select.Column(9).AsInteger();
    r.prtText = select.Column(10).AsString();
    batch.Recipients.push_back(std::move(r));
  }
  select.Reset();
}

std::set<std::string> BankCodes(TDModule& dm) {
  TStatement& select = dm.Database.Prepare("SELECT BankID FROM TBBank");
  select.Bind({});
  std::set<std::string> codes;
  while (select.Step()) codes.insert(select.Column(0).AsString());
  select.Reset();
  return codes;
}

bool IsPlainFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
         name.find('\\') == std::string::npos;
}

// Removes the program's request files of an earlier build; throws TSendFileError when the send
// folder holds anything else, which the EDI component would send to the bank with them.
void ClearRequestFiles(TDModule& dm) {
  std::vector<std::string> own = OwnRequestFileNames(dm);
  std::vector<std::string> files;
  ListFiles(SendDir, "*.*", files);
  std::string foreign;
  for (const std::string& file : files) {
    if (std::find(own.begin(), own.end(), file) == own.end()) {
      foreign += (foreign.empty() ? "" : ", ") + file;
      continue;
    }
    std::error_code ec;
    std::filesystem::remove(SendDir + file, ec);
    if (ec)
      throw TSendFileError("지난 송신 파일을 지울 수 없습니다: " + SendDir + file + " (" +
                           ec.message() + ")");
  }
  if (!foreign.empty())
    throw TSendFileError("송신 폴더에 이 프로그램의 송신 파일이 아닌 파일이 있습니다: " + foreign +
                         " (" + SendDir + ")");
}

void ClearOrderFilters(TDModule& dm) {
  for (TTable* table : {&dm.TB_Trans, &dm.TB_TransSub}) {
    table->ClearFilter();
    if (table->Active()) table->Refresh();
  }
}

}  // namespace

const TSendFormat& SendFormatFor(std::string_view bankId) {
  for (const auto& format : kSendFormats)
    if (format.Serves == nullptr || format.Serves(bankId)) return format;
  return kSendFormats[std::size(kSendFormats) - 1];
}

std::vector<TBatch> PendingBatches(TDModule& dm, int& heldBack) {
  heldBack = 0;
  std::vector<TPendingOrder> orders = PendingOrders(dm);
  std::vector<TBatch> batches;
  for (std::size_t first = 0; first < orders.size();) {
    std::size_t end = first;
    while (end < orders.size() && orders[end].Order.KigwanId == orders[first].Order.KigwanId) ++end;
    const TPendingOrder& head = orders[first];
    if (!head.A_Date || !head.To_date)
      throw TSendFileError("작업일자나 이체일자가 없는 이체가 있습니다: " + head.Order.KigwanName);
    TBatch batch;
    batch.Order = head.Order;
    batch.Order.A_Date = *head.A_Date;
    batch.Order.To_date = *head.To_date;
    std::vector<TBatchOrder> members;
    for (std::size_t i = first; i < end; ++i) {
      if (orders[i].A_Date == head.A_Date && orders[i].To_date == head.To_date) {
        members.push_back(orders[i].Order);
        batch.OrderRows.push_back(orders[i].Order.RowId);
      } else {
        ++heldBack;
      }
    }
    AddRecipients(dm, members, batch);
    batches.push_back(std::move(batch));
    first = end;
  }
  return batches;
}

std::vector<std::string> HoldBackUnpayable(TDModule& dm, TBatch& batch) {
  const std::set<std::string> banks = BankCodes(dm);
  std::vector<std::string> warnings;
  std::erase_if(batch.Recipients, [&](const TBatchRecipient& r) {
    const std::string who = r.Name + " " + r.BankId + " " + r.BankNo;
    const std::int64_t units = r.Monecy.Units();
    if (units <= 0 || units % TMoney::kScale != 0) {
      warnings.push_back("이체금액이 1원 이상의 원 단위 금액이 아닙니다: " + who + " " +
                         r.Monecy.ToText());
      return true;
    }
    if (banks.count(r.BankId) == 0) {
      warnings.push_back("등록되지 않은 은행코드입니다: " + who);
      return true;
    }
    return false;
  });
  return warnings;
}

TBatchResult DispatchOrder(const TBatch& batch, IExchangeView& view) {
  return SendFormatFor(batch.Order.BankID).Write(batch, view);
}

std::vector<std::string> OwnRequestFileNames(TDModule& dm) {
  std::vector<std::string> names;
  for (const char* sql :
       {"SELECT SendName FROM KiGwan", "SELECT SendName FROM TBTrans WHERE SendName IS NOT NULL"}) {
    TStatement& select = dm.Database.Prepare(sql);
    select.Bind({});
    while (select.Step()) {
      std::string name = select.Column(0).AsString();
      if (!IsPlainFileName(name)) continue;
      names.push_back(name);
      names.push_back(name + "_1");
    }
    select.Reset();
  }
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

bool BuildRequestFiles(TDModule& dm, IExchangeView& view, TWrittenRows& written) {
  written = TWrittenRows();
  // No window reacts to the order table while the build runs.
  auto orderHandler = std::move(dm.TB_Trans.OnDataChange);
  dm.TB_Trans.OnDataChange = nullptr;
  struct TRestore {
    TDModule& dm;
    std::function<void(TTable&)>& handler;
    ~TRestore() {
      try {
        ClearOrderFilters(dm);
      } catch (const std::exception&) {
      }
      dm.TB_Trans.OnDataChange = std::move(handler);
    }
  } restore{dm, orderHandler};

  bool anyPending = false;
  int heldBack = 0;
  std::vector<std::string> warnings, batchWarnings;
  try {
    const std::string folders = ExchangeFoldersProblem();
    if (!folders.empty()) throw TSendFileError(folders);
    StoreLeftSentRecords(dm, view);
    ClearRequestFiles(dm);
    std::vector<TBatch> batches = PendingBatches(dm, heldBack);
    anyPending = !batches.empty();
    if (anyPending) view.ShowStatus("자금이체 파일 생성중입니다.", false);
    for (TBatch& batch : batches) {
      for (std::string& warning : HoldBackUnpayable(dm, batch)) warnings.push_back(warning);
      TBatchResult result;
      try {
        result = DispatchOrder(batch, view);
      } catch (const TBatchRefused& refused) {
        warnings.push_back(refused.what());
        continue;
      }
      for (std::string& warning : result.HeldBack) warnings.push_back(warning);
      for (std::string& warning : result.Warnings) batchWarnings.push_back(warning);
      written.Orders.insert(written.Orders.end(), batch.OrderRows.begin(), batch.OrderRows.end());
      written.Recipients.insert(written.Recipients.end(), result.Written.begin(),
                                result.Written.end());
    }
  } catch (const std::exception& error) {
    written = TWrittenRows();
    view.ShowStatus(std::string("송신 자료 생성 실패. ") + error.what(), true);
    return false;
  }
  if (!warnings.empty()) view.ShowWarnings(kHeldBackHeading, warnings);
  for (const std::string& warning : batchWarnings) view.ShowWarnings(warning, {});

  if (CountFiles(SendDir) == 0) {
    written = TWrittenRows();
    view.ShowStatus(anyPending ? "생성된 송신 파일이 없습니다." : "송신할 자료가 없습니다.", false);
    return false;
  }
  if (heldBack > 0)
    view.ShowStatus("작업일자나 이체일자가 다른 이체 " + std::to_string(heldBack) +
                        "건은 다음 송신으로 남깁니다.",
                    false);
  return true;
}

}  // namespace selvane
