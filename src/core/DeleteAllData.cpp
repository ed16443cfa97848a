#include "core/DeleteAllData.h"

namespace selvane {
namespace {

void RefreshOrders(TDModule& dm) {
  for (TTable* table : {&dm.TB_Trans, &dm.TB_TransSub})
    if (table->Active()) table->Refresh();
}

}  // namespace

void DeleteAllTransferData(TDModule& dm) {
  dm.CommitAllTables();
  try {
    dm.QryCount.Close();
    dm.QryCount.SetSql("Delete from tbtrans");
    dm.QryCount.ExecSql();
    dm.QryCount.SetSql("Delete from tbtranssub");
    dm.QryCount.ExecSql();
    dm.Database.Commit();
  } catch (...) {
    try {
      dm.Database.Rollback();
    } catch (const std::exception&) {
    }
    RefreshOrders(dm);
    throw;
  }
  RefreshOrders(dm);
}

}  // namespace selvane
