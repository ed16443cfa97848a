// selvane [--home DIR] [TEST]: the desktop program.
#include "core/ui/Program.h"

int main(int argc, char** argv) {
  return selvane::RunProgram(argc, argv);
}
