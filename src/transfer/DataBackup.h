// The backup ("자료 백업"): a consistent copy of the database packed into one zip archive, stored
// in a folder of the hard disk as "BB" + yymmdd + ".zip" or spread over as many removable media
// as needed (pieces ".001", ".002", ... and ".end"; one that fits is the ".zip"). The files hold
// resident registration numbers: they are created readable by their owner only.
#pragma once

#include <string>

namespace selvane {

// Backs the database up into the target folder ("A", "B", "A:..." or a medium's mount folder
// for a removable medium, see BackupMedia.h); an empty target lets the user choose a folder
// first. Asks for a medium while there is none or it is full, and again when a file cannot be
// created; each question can cancel. True when every file was written and synced; a cancel or
// a failure (with its message) gives false and leaves no temporary archive behind.
bool BackupData(const std::string& targetFolder);

}  // namespace selvane
