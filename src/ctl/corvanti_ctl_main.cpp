#include <iostream>
#include <string>
#include <vector>

#include "common/text_encoding.h"
#include "ctl/ctl_commands.h"

#ifdef _WIN32
// The command line as the system holds it, in UTF-16, so paths with any characters arrive
// whole; the verbs take them in UTF-8.
int wmain(int argc, wchar_t** argv);

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.push_back(corvanti::WideToUtf8(argv[i]));
    }
    return corvanti::RunCtlCommand(arguments, std::cout, std::cerr);
}
#else
int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return corvanti::RunCtlCommand(arguments, std::cout, std::cerr);
}
#endif
