// The program folder of an installed program: one per user, $XDG_DATA_HOME/selvane/ (by default
// ~/.local/share/selvane/), made on the first start from the installed template and never
// replaced afterwards. The database and the backups in it hold resident registration numbers,
// so only its owner may enter it (mode 0700).
#pragma once

#include <string>

namespace selvane {

// $XDG_DATA_HOME/selvane/, by default ~/.local/share/selvane/ (XdgFolder).
std::string UserProgramFolder();

// Is folder a program folder (does it hold a Data/ folder)? A build's program folder and a
// portable copy of the program are.
bool IsProgramFolder(const std::string& folder);

// Makes folder from templateFolder when folder does not exist yet: the template's contents are
// copied into a fresh folder beside it, private to the user (folders 0700, files 0600), which is
// then renamed into place, so that a start that fails half-way leaves no half-made folder
// behind. An existing folder is left exactly as it is. Throws std::runtime_error with the
// program's message when the template is missing or the folder cannot be made.
void MakeUserProgramFolder(const std::string& folder, const std::string& templateFolder);

}  // namespace selvane
