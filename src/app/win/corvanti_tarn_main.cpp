#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/program_options.h"
#include "app/win/pelmar_app.h"
#include "common/text_encoding.h"

namespace {

std::vector<std::string> CommandLineArguments() {
    std::vector<std::string> arguments;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) {
        return arguments;
    }
    for (int index = 1; index < count; ++index) {
        arguments.push_back(corvanti::WideToUtf8(wide[index]));
    }
    LocalFree(wide);
    return arguments;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    corvanti::win::CPelmarApp application(instance,
                                          corvanti::ParseProgramOptions(CommandLineArguments()));
    return application.Run();
}
