// Times the drawing cycles of the skinned windows under the real GDI: one hover change (one
// button image drawn onto the canvas, the client area copied to the window) and one full page
// paint (the page background and about forty control images), each with every image read and
// decoded from disk and with the decoded-image cache.
//
// Usage: skin_draw_bench [skin folder]   (default: the repository's Skins/Default)
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "common/text_encoding.h"
#include "common/user_messages.h"
#include "common/win/handle_owners.h"
#include "skin/win/mem_dc.h"
#include "skin/win/skin_image.h"

namespace corvanti::skin {
namespace {

constexpr int kWidth = 880;
constexpr int kHeight = 650;

class CountingMessages : public UserMessages {
  public:
    void ShowMessage(std::string_view, std::string_view) override { ++failures; }
    int failures = 0;
};

struct Placement {
    const wchar_t* name;
    int x;
    int y;
};

// A basic page's worth of images: background first, then the controls at their places.
std::vector<Placement> FullPage() {
    std::vector<Placement> page{{L"/BasicSet2.png", 0, 0},
                                {L"/button-min-normal.png", 825, 5},
                                {L"/button-close-normal.png", 850, 5},
                                {L"/button-Skins-normal.png", 701, 5},
                                {L"/button-normal.png", 562, 623},
                                {L"/button-normal.png", 666, 623},
                                {L"/button-normal.png", 770, 623},
                                {L"/button-normal.png", 307, 549},
                                {L"/button-over.png", 253, 518},
                                {L"/button-normal.png", 357, 518},
                                {L"/button-PrePage-over.png", 14, 54},
                                {L"/button-NextPage-normal.png", 60, 54}};
    for (int k = 0; k < 10; ++k) {
        page.push_back({L"/DropdownBox-normal.png", 252, 199 + 23 * k});
    }
    for (int s = 0; s < 4; ++s) {
        page.push_back(
            {s == 0 ? L"/slider-RP-light.png" : L"/slider-RP-dark.png", 542 + 72 * s, 204});
    }
    for (int k = 0; k < 4; ++k) {
        page.push_back({L"/PaneMakingTick.png", 554 + 27 * k, 541});
        for (int level = 0; level < 3; ++level) {
            page.push_back({L"/slider-DPI-light.png", 554 + 27 * k, 500 - 18 * level});
        }
    }
    return page;
}

class Canvas {
  public:
    explicit Canvas(HWND window) : window_(window) {
        win::WindowDc dc(window);
        bitmap_.Reset(CreateCompatibleBitmap(dc.get(), kWidth, kHeight));
    }
    // One drawing cycle as the windows run it: buffer over the client area, canvas selected,
    // draw, copy everything to the window.
    template <typename Draw>
    void Cycle(Draw draw) {
        win::WindowDc dc(window_);
        CMemDC buffer(dc.get(), RECT{0, 0, kWidth, kHeight});
        buffer.UseBitmap(bitmap_.get());
        draw(buffer.dc());
    }

  private:
    HWND window_;
    win::UniqueBitmap bitmap_;
};

template <typename Body>
double MillisecondsPerRun(int runs, Body body) {
    body();  // warm-up: first file access, first GDI allocations
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i) {
        body();
    }
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    return elapsed.count() / runs;
}

void Measure(HWND window, const std::wstring& skin, bool cached) {
    EnableImageCache(cached);
    Canvas canvas(window);
    CountingMessages messages;
    const std::wstring over = skin + L"/button-over.png";
    const double hover = MillisecondsPerRun(
        200, [&] { canvas.Cycle([&](HDC dc) { LoadPng(dc, over, 562, 623, messages); }); });
    const std::vector<Placement> page = FullPage();
    const double full = MillisecondsPerRun(30, [&] {
        canvas.Cycle([&](HDC dc) {
            for (const Placement& p : page) {
                LoadPng(dc, skin + p.name, p.x, p.y, messages);
            }
        });
    });
    std::printf(
        "%-22s hover change %7.3f ms (target < 5)   full page (%zu images) %7.3f ms "
        "(target < 50)%s\n",
        cached ? "decoded-image cache:" : "decode at every draw:", hover, page.size(), full,
        messages.failures > 0 ? "   IMAGES MISSING" : "");
}

}  // namespace
}  // namespace corvanti::skin

int main(int argc, char** argv) {
    using namespace corvanti::skin;
    using corvanti::Utf8ToWide;
    const std::wstring skin =
        argc > 1 ? Utf8ToWide(argv[1]) : Utf8ToWide(CORVANTI_SKINS_DIR "/Default");
    GdiplusSession gdiplus;
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight,
                                  nullptr, nullptr, nullptr, nullptr);
    Measure(window, skin, false);
    Measure(window, skin, true);
    DestroyWindow(window);
    return 0;
}
