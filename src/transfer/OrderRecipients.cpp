#include "transfer/OrderRecipients.h"

namespace selvane {

TFilter OrderRecipientsFilter(const TOrderKey& order) {
  return TFilter()
      .Eq("DongId", order.DongId)
      .Eq("LargeItmId", order.LargeItmId)
      .Eq("KigwanID", order.KigwanId);
}

void FilterOrderRecipients(TDModule& dm, const TOrderKey& order) {
  dm.TB_TransSub.SetFilter(OrderRecipientsFilter(order));
  dm.TB_TransSub.SetFiltered(true);
  dm.TB_TransSub.First();
}

void RecalcOrderTotals(TDModule& dm) {
  dm.Qry1.Close();
  dm.Qry1.SetSql(
      "SELECT Count(*) Cnt, Sum(Monecy) Won\n"
      "FROM TBTransSub\n"
      "WHERE KigwanId = :KigwanId and DongID =:dongID and LargeItmId=:LargeItmId");
  dm.Qry1.Open({TValue(CurrentOrderKey.KigwanId), TValue(CurrentOrderKey.DongId),
                TValue(CurrentOrderKey.LargeItmId)});
  if (!dm.TB_Trans.HasCurrent()) return;
  dm.TB_Trans.Edit();
  dm.TB_Trans.FieldByName("ECount").Set(dm.Qry1.FieldByName("Cnt").AsInteger());
  dm.TB_Trans.FieldByName("TotalSum").Set(dm.Qry1.FieldByName("Won").AsMoney());
  dm.TB_Trans.Post();
}

}  // namespace selvane
