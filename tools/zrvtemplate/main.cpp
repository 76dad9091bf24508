// main.cpp - zrvtemplate: checks, shows, normalises, imports and installs
// report template files.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include <unistd.h>

#include "Commands.h"

int main(int Argc, char** Argv) {
  std::vector<std::string> Args(Argv + 1, Argv + Argc);
  // Colour only on a terminal, and never when NO_COLOR is set (no-color.org).
  const char* NoColour = std::getenv("NO_COLOR");
  bool Colour = isatty(fileno(stdout)) && !(NoColour && *NoColour);
  return zrvtool::RunTool(Args, std::cin, std::cout, std::cerr, Colour);
}
