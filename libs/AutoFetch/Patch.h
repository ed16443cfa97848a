// Putting a staged update in place, one file at a time by rename, with a rollback. Every step is
// written to the journal (and synced) before it is taken, so an apply that breaks off in the
// middle (a crash, a power cut) can be rolled back by the next run from the journal alone.
// Only the launcher runs this, while the program is not running.
#pragma once

#include <string>

#include "UpgradeLayout.h"

namespace selvane::autofetch {

enum class TApply {
  Applied,         // every file replaced; the old ones are in old/, the version recorded
  NothingStaged,   // no complete update in new/
  Refused,         // the staged update does not verify; nothing was touched, new/ is removed
  Failed,          // the apply could not start; nothing was touched
  RolledBack,      // a replacement failed; every file is back as it was
  RollbackFailed,  // and a file could not be put back; the journal stays for the next run
};

// Verifies the staged update against the key once more and applies it. message says what
// happened, for the log.
TApply ApplyStagedUpgrade(const TUpgradeLayout& layout, const std::string& publicKey,
                          std::string& message);

// Rolls back the apply whose journal is there and removes what is left of the staging folder.
// True when every file is back (the journal is then removed).
bool RollBackInterruptedApply(const TUpgradeLayout& layout, std::string& message);

}  // namespace selvane::autofetch
