// The EDI communication component. Every call takes the program key (zero-terminated CP949,
// "Selvane.exe") under which it finds its settings in the registry of the current user:
// Software\<key>\NetPost32\Comm and \UserInfo (shared with the program) and \Network (its own:
// the text value Mailbox, the folder that stands for the EDI network; by default "Mailbox/" in
// the program folder). Results: above 0 the number of files moved, 0 nothing to do, below 0 an
// error (NETPOST32_...).
#pragma once

#if defined(NETPOST32_BUILDING)
#define NETPOST32_EXPORT __attribute__((visibility("default")))
#else
#define NETPOST32_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

enum {
  NETPOST32_STOPPED = -999,        // a file could not be moved; the rest stays where it was
  NETPOST32_NO_LOGIN = -10,        // no EDI user ID in the settings
  NETPOST32_NO_FOLDER = -20,       // the send, receive or mailbox folder is not set or missing
  NETPOST32_HEADER_MISSING = -30,  // a request file does not start with "<<NEHEAD>>"
  NETPOST32_HEADER_INVALID = -40,  // its envelope line is not 61 characters long
  NETPOST32_OUTBOX_CLASH = -50,    // the outbox still holds an unanswered file of that name
  NETPOST32_REGISTRY = -777,       // the settings keys cannot be read or written
};

// Its own settings dialog (the settings record and the mailbox folder): 1 when saved with OK,
// 0 when cancelled (or when the component was built without windows), -777 when saving failed.
NETPOST32_EXPORT int EnvSetup(const char* programKey);
// Moves every file of the send folder to MAILBOX/outbox/LOGINID/, keeping a copy in the send
// folder's Old/. A file is either moved whole (and copied) or left in the send folder.
NETPOST32_EXPORT int Send(const char* programKey);
// Moves every file of MAILBOX/inbox/LOGINID/ into the receive folder under its own name and
// keeps the batch (in MAILBOX/received/LOGINID/) for ReReceive.
NETPOST32_EXPORT int Receive(const char* programKey);
// Send, then Receive; the out-values get each half's result. The result is the number of files
// moved by both halves when that is above 0, else 0 when both halves had nothing to do, else
// the error of the failed half (the send half's when both failed).
NETPOST32_EXPORT int SendReceive(const char* programKey, int* sendResult, int* receiveResult);
// Copies the files of the last receive that brought any into the receive folder again.
NETPOST32_EXPORT int ReReceive(const char* programKey);

// The component's file version, "major.minor.release.build".
NETPOST32_EXPORT const char* NetPost32Version(void);
// Why the last call failed, as CP949 text naming the file or setting ("" after a success); valid
// until the next call.
NETPOST32_EXPORT const char* NetPost32LastError(void);

#ifdef __cplusplus
}
#endif
