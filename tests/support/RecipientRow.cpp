#include "support/RecipientRow.h"

namespace selvane::test {

void AddRecipient(TTable& recipients, const TRecipientRow& row) {
  recipients.Append();
  recipients.FieldByName("KigwanId").Set(row.KigwanId);
  recipients.FieldByName("DongId").Set(row.DongId);
  recipients.FieldByName("LargeitmId").Set(row.ItemId);
  recipients.FieldByName("BankId").Set(row.BankId);
  recipients.FieldByName("BankNo").Set(row.BankNo);
  recipients.FieldByName("Jumin").Set(row.Jumin);
  recipients.FieldByName("Monecy").Set(row.Monecy());
  recipients.FieldByName("State").Set(row.State);
  recipients.FieldByName("Name").Set(row.Name);
  if (row.JaGubun) recipients.FieldByName("JaGubun").Set(*row.JaGubun);
  if (!row.Result.empty()) recipients.FieldByName("Result").Set(row.Result);
  recipients.Post();
}

}  // namespace selvane::test
