// varn-cli: the analyses of VARN without a window, for scripts and batch work.
#include "CliCommands.h"

#include <iostream>

int main(int argc, char** argv) {
    return varn::cli::runCli(argc, argv, std::cout, std::cerr);
}
