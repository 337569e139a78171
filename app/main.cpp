// The executable's entry: hands control to the program. Korvane takes no
// command line.
#include <cstdio>
#include <exception>

#include "framework/Runtime.h"
#include "shell/Main.h"

int main() {
  fw::SetPackageShortVersion(KORVANE_VERSION);
  try {
    return korvane::main();
  } catch (const std::exception& e) {
    // Only an exception raised by the unhandled-exception report itself
    // comes this far.
    std::fprintf(stderr, "Korvane stopped: %s\n", e.what());
  } catch (...) {
    std::fputs("Korvane stopped after an unknown failure.\n", stderr);
  }
  return 70;
}
