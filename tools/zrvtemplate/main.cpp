// main.cpp - zrvtemplate: checks, shows, normalises and installs report
// template files.
#include <iostream>
#include <string>
#include <vector>

#include "Commands.h"

int main(int Argc, char** Argv) {
  std::vector<std::string> Args(Argv + 1, Argv + Argc);
  return zrvtool::RunTool(Args, std::cout, std::cerr);
}
