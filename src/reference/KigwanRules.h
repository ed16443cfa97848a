// The rules of an institution row: its new number, the letters its code fields take, the file
// names it gives the request and result files, and the checks before it is saved.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/Query.h"
#include "core/Table.h"

namespace selvane {

inline constexpr const char* kNewKigwanIdSql = "Select Max(KigwanId) from Kigwan";

// The highest institution number plus one (1 for an empty table), read on the query.
int NewKigwanId(TQuery& query);

// The text with a to z upper-cased; every other character, Hangul included, unchanged.
std::string UpperAsciiLetters(std::string text);

// SendName and RecvName name files inside the send and receive folders, so they may hold only
// ASCII letters, digits, '-' and '_': no separator, no dot, no blank, no control character and
// nothing that needs an encoding, whatever the file system.
bool IsSafeFileStem(std::string_view name);

// The checks of the institution row in editing, in order. A failed check moves the focus to its
// field (the column name is passed to focus), shows its message and returns false. A valid
// account is stored hyphenated; an account the check rejects is kept as typed when the user
// confirms.
bool CheckKigwanRow(TTable& kigwan, const std::function<void(const std::string&)>& focus);

}  // namespace selvane
