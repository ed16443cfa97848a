// The data reset ("자료 재정리"): the database rebuilt in the current structure from BlankDb.bin,
// with every row of the old database copied back. The main window runs it by itself and after
// every successful restore, so that tables from an older backup take the current structure.
#pragma once

namespace selvane {

// Builds a new database from "norva.db" of ExeDir + "BlankDb.bin" and copies into it, table by
// table and column by column (matched by name, letter case ignored), every row of the database
// in place; a row whose key is already there replaces it. A table only in the old database is
// dropped, a table only in the new one stays empty. The new database then replaces the old one,
// which stays as norva.db.before-reset. Shows the waiting texts and the copy progress; a failure
// (BlankDb.bin missing or not sound, the database in use or unreadable, a copy error) is an error
// box that ends with kDataKept, and the database in place is unchanged. True on success.
bool ReorganizeData();

}  // namespace selvane
