// korvane-pack <data-dir> <output-file>
#include <exception>
#include <iostream>

#include "tools/packer/Packer.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: korvane-pack <data-dir> <output-file>\n";
    return 1;
  }
  try {
    packer::WriteFileAtomically(argv[2], packer::PackResources(argv[1]));
  } catch (const std::exception& error) {
    std::cerr << error.what() << '\n';
    return 1;
  }
  return 0;
}
