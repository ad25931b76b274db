#pragma once

#include <windows.h>

#include "app/program_options.h"

namespace corvanti::win {

// The application object: registers the main window's class, starts GDI+ and runs the main
// window modally for the whole life of the process.
class CPelmarApp {
  public:
    CPelmarApp(HINSTANCE instance, ProgramOptions options)
        : instance_(instance), options_(std::move(options)) {}

    // Returns the process exit code; the program normally ends through Exit instead.
    int Run();

  private:
    bool RegisterWindowClass();

    HINSTANCE instance_;
    ProgramOptions options_;
};

}  // namespace corvanti::win
