// mkprogram DIR: prepares a ready program folder (see ProgramFolderSetup.h).
#include <iostream>

#include "core/ProgramFolderSetup.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: mkprogram DIR\n";
    return 2;
  }
  try {
    selvane::PrepareProgramFolder(argv[1]);
  } catch (const std::exception& error) {
    std::cerr << "mkprogram: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
