// The upgrade component. StartUpgrade decides whether an upgrade is due (the interval values
// under Software\PATCHRUNGRADE\<appCode> of the registry of the current user), looks at the
// update source (SELVANE.ini of the program folder, section Upgrade, key Source: a folder or an
// https:// address), and stages a newer, signed and complete version of the program's files for
// the launcher patchrun. Arguments are zero-terminated CP949 texts. Nothing of the running
// program is replaced here.
#pragma once

#if defined(AUTOFETCH_BUILDING)
#define AUTOFETCH_EXPORT __attribute__((visibility("default")))
#else
#define AUTOFETCH_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

enum {
  AUTOFETCH_READY = 1,    // a newer version is staged: start the launcher and end
  AUTOFETCH_NOTHING = 2,  // nothing to do (no source, not due, nothing newer, a package install)
  AUTOFETCH_USER = 10,    // the update server refused the user ID
  AUTOFETCH_PACKET = 11,  // the server answered with something that is not an update
  AUTOFETCH_UNREACHABLE = 12,  // the source cannot be reached
  AUTOFETCH_INTERRUPTED = 13,  // the transfer broke off
  AUTOFETCH_OVERFLOW = 14,     // the manifest or its signature is larger than any real one
  AUTOFETCH_CANCELLED = 15,    // the user ended the upgrade
  AUTOFETCH_STAGING = 16,      // the staging folder cannot be written
  AUTOFETCH_MISMATCH = 17,     // a signature, a file, its size or its hash does not match
  AUTOFETCH_FAILED = 99,       // anything else
};

// The check as at program start: only when the interval makes it due.
AUTOFETCH_EXPORT int StartUpgrade(const char* appCode, const char* userId);
// The same check at once, whatever the interval says ("지금 업그레이드").
AUTOFETCH_EXPORT int StartUpgradeNow(const char* appCode, const char* userId);

// The component's file version, "major.minor.release.build".
AUTOFETCH_EXPORT const char* AutoFetchVersion(void);

#ifdef __cplusplus
}
#endif
