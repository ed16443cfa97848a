#include "transfer/OrderEditing.h"

#include <stdexcept>

#include "core/Clock.h"
#include "core/Globals.h"
#include "core/TransferState.h"
#include "core/WaitMsg.h"
#include "transfer/HolidayCalendar.h"
#include "transfer/OrderRecipients.h"

namespace selvane {
namespace {

const char* const kHolidayMessage = "설정된 이체일자가 공휴일입니다.";

TOrderKey OrderKeyOf(TTable& trans) {
  return {static_cast<int>(trans.FieldByName("KigwanId").AsInteger()),
          trans.FieldByName("DongID").AsString(), trans.FieldByName("LargeItmID").AsString()};
}

// Sets State on every recipient of the order, whatever their state.
void SetRecipientsState(TDModule& dm, const TOrderKey& key, int state) {
  dm.Qry1.Close();
  dm.Qry1.SetSql(
      "UPDATE TBTransSub SET State = :State\n"
      "WHERE KigwanID = :KigwanID and DongId = :DongId and LargeItmId = :LargeItmId");
  dm.Qry1.ExecSql(
      {TValue(state), TValue(key.KigwanId), TValue(key.DongId), TValue(key.LargeItmId)});
  dm.TB_TransSub.Refresh();
}

}  // namespace

TOrderButtons OrderButtons(TEditMode mode, bool empty, long long state) {
  TOrderButtons b;
  if (mode == TEditMode::Edit) {
    b.Save = b.Cancel = b.Fields = true;
    return b;
  }
  b.Insert = b.Grid = true;
  b.Delete = b.Trans = !empty;
  b.Edit = !empty && state < Sent;
  return b;
}

long long CurrentState(TTable& table) {
  if (!table.HasCurrent()) return 0;
  return table.FieldByName("State").AsInteger();
}

TOrderField ValidateOrderDates(const std::optional<TDate>& workDate,
                               const std::optional<TDate>& payDate) {
  if (!workDate || !payDate) return TOrderField::None;
  if (IsHoliday(*workDate)) {
    InfoBox(kHolidayMessage);
    return TOrderField::WorkDate;
  }
  if (IsHoliday(*payDate)) {
    InfoBox(kHolidayMessage);
    return TOrderField::PayDate;
  }
  if (*payDate >= *workDate) return TOrderField::None;
  InfoBox("이체일자가 이체종료일자보다 이후입니다.");
  return TOrderField::WorkDate;
}

bool BeginOrderEdit(TDModule& dm, bool isNew, bool buttonEnabled) {
  if (!isNew && CurrentState(dm.TB_Trans) > Waiting) {
    InfoBox(kSentNotEditable);
    return false;
  }
  if (!buttonEnabled) return false;
  if (dm.TB_Kigwan.IsEmpty()) {
    InfoBox("기관 코드가 설정되어 있지 않습니다.");
    return false;
  }
  if (isNew) {
    dm.TB_Trans.Append();
    dm.TB_Trans.FieldByName("A_Date").Set(Today());
    dm.TB_Trans.FieldByName("To_date").Set(Today().AddDays(1));
    dm.TB_Trans.FieldByName("State").Set(static_cast<int>(Waiting));
  } else {
    dm.TB_Trans.Edit();
  }
  return true;
}

TOrderField SaveOrder(TDModule& dm) {
  TTable& trans = dm.TB_Trans;
  TOrderField dates = ValidateOrderDates(trans.FieldByName("A_Date").AsDate(),
                                         trans.FieldByName("To_date").AsDate());
  if (dates != TOrderField::None) return dates;
  if (trans.FieldByName("KigwanId").IsNull()) {
    InfoBox("기관명을 입력하여주세요?");
    return TOrderField::Institution;
  }
  if (trans.FieldByName("LargeItmID").AsString().empty()) {
    InfoBox("항목명을 입력하여주세요?");
    return TOrderField::Item;
  }
  if (trans.FieldByName("DongID").AsString().empty()) {
    InfoBox("행정동을 입력하여주세요?");
    return TOrderField::Dong;
  }
  // The institution's bank, account and file names as they are now, on every save.
  TTable& kigwan = dm.TB_Kigwan;
  if (kigwan.Locate({"KigwanID"}, {TValue(trans.FieldByName("KigwanId").AsInteger())})) {
    trans.FieldByName("BankID").Set(kigwan.FieldByName("BankID").Value());
    trans.FieldByName("BankNo").Set(kigwan.FieldByName("BankNo").Value());
    trans.FieldByName("LocalBank").Set(kigwan.FieldByName("LocalBank").Value());
    trans.FieldByName("KigwanName").Set(kigwan.FieldByName("KiGwanName").Value());
    trans.FieldByName("CorCode").Set(kigwan.FieldByName("CorCode").Value());
    trans.FieldByName("SendName").Set(kigwan.FieldByName("SendName").Value());
    trans.FieldByName("RecvName").Set(kigwan.FieldByName("RecvName").Value());
    trans.FieldByName("BCode").Set(kigwan.FieldByName("BCode").Value());
  }
  try {
    trans.Post();
  } catch (const TKeyViolation&) {
    MessageBox(TMsgKind::Error, kDuplicateCode, kInputErrorTitle);
    return TOrderField::Institution;
  } catch (const TDataError&) {
    InfoBox("필수 항목이 누락되었습니다.");
    return TOrderField::Institution;
  }
  dm.CommitAllTables();
  return TOrderField::Grid;
}

int DeleteOrders(TDModule& dm, const std::vector<std::int64_t>& orders) {
  ShowWaitProgress("선택된 자료 삭제중...", 0, static_cast<int>(orders.size()), false);
  int deleted = 0;
  std::string failure;
  try {
    for (std::int64_t row : orders) {
      if (!dm.TB_Trans.GotoRowId(row)) continue;
      TOrderKey key = OrderKeyOf(dm.TB_Trans);
      dm.Qry1.Close();
      dm.Qry1.SetSql(
          "DELETE\n"
          "FROM TBTransSub\n"
          "WHERE KigwanID   = :KigwanID\n"
          " and  DongId     = :DongId\n"
          " and  LargeItmId = :LargeItmId");
      dm.Qry1.ExecSql({TValue(key.KigwanId), TValue(key.DongId), TValue(key.LargeItmId)});
      dm.TB_Trans.Delete();
      ++deleted;
      StepWaitProgress();
    }
  } catch (const std::exception& error) {
    failure = error.what();
  }
  dm.CommitAllTables();
  dm.TB_TransSub.Refresh();
  CloseWait();
  if (!failure.empty()) ErrorBox(failure);
  return deleted;
}

std::optional<int> AskStateSwitch(long long state) {
  if (state == HeldBack) {
    if (ConfirmBox("\"송신불가\"를 \"송신대기\"로 변환하시겠습니까 ?", false)) return Waiting;
  } else if (state == Waiting) {
    if (ConfirmBox("\"송신대기\"를 \"송신불가\"로 변환하시겠습니까 ?", false)) return HeldBack;
  }
  return std::nullopt;
}

bool SwitchOrderState(TDModule& dm) {
  TTable& trans = dm.TB_Trans;
  if (!trans.HasCurrent()) return false;
  auto state = AskStateSwitch(CurrentState(trans));
  if (!state) return false;
  // Releasing an order releases every recipient of it; holding it back leaves them alone.
  if (*state == Waiting) SetRecipientsState(dm, OrderKeyOf(trans), Waiting);
  trans.Edit();
  trans.FieldByName("State").Set(*state);
  trans.Post();
  dm.CommitAllTables();
  return true;
}

void OpenOrderRecipients(TDModule& dm, const std::string& dongName, const std::string& itemName) {
  CurrentOrderKey = OrderKeyOf(dm.TB_Trans);
  dm.TB_TransSub.Close();
  dm.TB_TransSub.SetFilter(OrderRecipientsFilter(CurrentOrderKey));
  dm.TB_TransSub.SetFiltered(true);
  dm.TB_TransSub.Open();
  CurrentItemName = itemName;
  CurrentDongName = dongName;
}

}  // namespace selvane
