// The checks that run before a send: the banks' daily cut-off times and, for NongHyup, the
// warning about a payment date that already has a sent order. Times compare as "hhnnss" text,
// so 16:00:01 is after "160000".
#pragma once

#include "core/DM.h"

namespace selvane {

// bank 3 (Industrial Bank), 11 (NongHyup central) or 12 (member co-operatives); any other
// number passes. True to go on with the send; false after the message that says why not.
bool PreSendCheck(TDModule& dm, int bank);

// Send and send-and-receive: the checks for 3, 11 and 12, stopping at the first refusal.
bool PreSendChecks(TDModule& dm);

}  // namespace selvane
