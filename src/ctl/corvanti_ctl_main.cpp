#include <iostream>
#include <string>
#include <vector>

#include "ctl/ctl_commands.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return corvanti::RunCtlCommand(arguments, std::cout, std::cerr);
}
