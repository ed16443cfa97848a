// Lays out a program folder: Data/ with the seeded database (only when there is none, so that
// stored data is never replaced), BlankDb.bin, the Send, Recv and Result folders, and the holiday
// files (holidays.txt, and holidays.local.txt only when there is none).
#pragma once

#include <string>

namespace selvane {

void PrepareProgramFolder(const std::string& folder);

// Writes BlankDb.bin: a zip holding a database file with the empty tables.
void WriteBlankDb(const std::string& fileName);

}  // namespace selvane
