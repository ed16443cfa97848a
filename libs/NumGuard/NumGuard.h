// The account-number component: judges and hyphenates a bank account number by the rules of its
// bank. Every text is a zero-terminated CP949 string.
#pragma once

#if defined(NUMGUARD_BUILDING)
#define NUMGUARD_EXPORT __attribute__((visibility("default")))
#else
#define NUMGUARD_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

// 1 when the account is a number of that bank, else 0. Blanks around the number and hyphens
// inside it are ignored. A bank code without rules accepts any number of 1 to 20 digits.
NUMGUARD_EXPORT int NumGuardIsValid(const char* bank, const char* account);

// Writes the account in its bank's printed form into out (an area of 256 bytes), zero-
// terminated: the digits in the bank's groups, joined by "-". A number the bank does not accept
// comes back as given without blanks around it and without hyphens, cut to 20 bytes. The text
// never exceeds 20 bytes, and hyphenating it again gives the same text.
NUMGUARD_EXPORT void Hyphenate(const char* bank, const char* account, char* out);

#ifdef __cplusplus
}
#endif
