// Where the program's own files are, found from the running program file so that a build tree,
// an installed tree unpacked anywhere and a portable copy all work: the executable's folder,
// the components beside it or in its lib/selvane/ (installed) or lib/ (build tree) folder, and
// the template a new per-user program folder is made from.
#pragma once

#include <string>
#include <vector>

namespace selvane {

// The folder of the running program file, ending with the separator (the current folder when
// the program file cannot be read).
std::string ExecutableFolder();

// The places a component or helper program named fileName is looked for, best first: beside
// the executable (a portable copy), ../lib/selvane/ (installed), ../lib/ (build tree).
std::vector<std::string> ComponentCandidates(const std::string& fileName);

// The first of ComponentCandidates that is an ordinary file; empty when there is none.
std::string FindComponent(const std::string& fileName);

// The installed template of a program folder: ../share/selvane/ of the executable's folder,
// ending with the separator.
std::string ProgramTemplateFolder();

}  // namespace selvane
