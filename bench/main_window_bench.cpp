// Times the real program's main window through its own messages: opening it from the tray to a
// fully painted basic page (after a Cancel, so the opening rebuilds the page), a page switch
// through the tabs, and one hover change between OK and Apply. Prints the median and the
// slowest of the repeated runs.
//
// Usage: main_window_bench INSTALL_FOLDER [runs]
// Runs a copy of the program found in INSTALL_FOLDER with a simulated mouse kept in a state
// file of the bench's own, and ends it with its Exit command.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr wchar_t kWindowClass[] = L"CorvantiTarnGMClass";
constexpr UINT kTrayCallbackMessage = WM_USER + 1;
constexpr WPARAM kExitCommand = 1028;
constexpr int kDefaultRuns = 30;
constexpr DWORD kStartTimeoutMs = 60000;
constexpr DWORD kSettleMs = 20;

// Client points inside the controls.
constexpr POINT kCancel{820, 633};
constexpr POINT kOk{600, 633};
constexpr POINT kApply{700, 633};
constexpr POINT kBasicTab{34, 74};
constexpr POINT kAdvancedTab{80, 74};

LPARAM Packed(POINT p) {
    return MAKELPARAM(p.x, p.y);
}

HWND WaitForWindow() {
    const auto deadline = Clock::now() + std::chrono::milliseconds(kStartTimeoutMs);
    while (Clock::now() < deadline) {
        if (HWND window = FindWindowW(kWindowClass, nullptr)) {
            return window;
        }
        Sleep(100);
    }
    return nullptr;
}

// A click as the window receives it; the button-up ends the window drag that a click on
// Cancel goes on to start. Returns once the window has handled both, so the drag is not
// timed with what follows.
void Click(HWND window, POINT p) {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, Packed(p));
    PostMessageW(window, WM_LBUTTONUP, 0, Packed(p));
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kStartTimeoutMs, &ignored);
    Sleep(kSettleMs);
}

double TimeMs(const std::function<void()>& action) {
    const auto start = Clock::now();
    action();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Report(const char* what, std::vector<double> times, double target) {
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    std::printf("%-40s median %7.2f ms  slowest %7.2f ms  (target %.0f ms, %zu runs)\n", what,
                median, times.back(), target, times.size());
}

}  // namespace

int wmain(int argc, wchar_t** argv);

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: main_window_bench INSTALL_FOLDER [runs]\n");
        return 2;
    }
    const std::wstring folder = argv[1];
    const int runs = argc > 2 ? std::max(1, _wtoi(argv[2])) : kDefaultRuns;
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring state = std::wstring(temp) + L"main_window_bench_mouse.txt";
    DeleteFileW(state.c_str());
    std::wstring command =
        L"\"" + folder + L"\\Corvanti-Tarn.exe\" --simulated-mouse=\"" + state + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process)) {
        std::fprintf(stderr, "cannot start the program\n");
        return 1;
    }
    HWND window = WaitForWindow();
    if (window == nullptr) {
        std::fprintf(stderr, "no main window\n");
        TerminateProcess(process.hProcess, 1);
        return 1;
    }
    // The hide-at-start paints are over once the window is hidden.
    while (IsWindowVisible(window)) {
        Sleep(50);
    }

    std::vector<double> opening, page_switch, hover;
    // The first showing maps the window on the display, once per run of the program; it is
    // timed apart and not counted among the repeated runs.
    Click(window, kCancel);
    const double first_opening = TimeMs([&] {
        SendMessageW(window, kTrayCallbackMessage, 0, WM_LBUTTONUP);
        UpdateWindow(window);
    });
    for (int run = 0; run < runs; ++run) {
        Click(window, kCancel);
        opening.push_back(TimeMs([&] {
            SendMessageW(window, kTrayCallbackMessage, 0, WM_LBUTTONUP);
            UpdateWindow(window);
        }));
        page_switch.push_back(TimeMs([&] {
            SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, Packed(kAdvancedTab));
            UpdateWindow(window);
        }));
        page_switch.push_back(TimeMs([&] {
            SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, Packed(kBasicTab));
            UpdateWindow(window);
        }));
        SendMessageW(window, WM_MOUSEHOVER, 0, Packed(kOk));
        hover.push_back(TimeMs([&] { SendMessageW(window, WM_MOUSEHOVER, 0, Packed(kApply)); }));
        hover.push_back(TimeMs([&] { SendMessageW(window, WM_MOUSEHOVER, 0, Packed(kOk)); }));
    }
    std::printf("%-40s %7.2f ms\n", "first opening (window mapped)", first_opening);
    Report("tray opening to a rebuilt basic page", opening, 50);
    Report("page switch (either tab)", page_switch, 50);
    Report("hover change (OK <-> Apply)", hover, 5);

    PostMessageW(window, WM_COMMAND, kExitCommand, 0);
    if (WaitForSingleObject(process.hProcess, kStartTimeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    DeleteFileW(state.c_str());
    return 0;
}
