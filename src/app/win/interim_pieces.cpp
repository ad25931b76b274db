#include "app/win/interim_pieces.h"

#include <windows.h>

#include <cstdlib>

#include "app/win/wide_text.h"

namespace corvanti::win {

BalloonTexts InterimBalloonTexts() {
    BalloonTexts texts;
    texts.report_rate = {"Switch report rate into 1000HZ", "Switch report rate into 500HZ",
                         "Switch report rate into 250HZ", "Switch report rate into 125HZ"};
    texts.dpi_stage = {"Switch DPI into the first stage ", "Switch DPI into the second stage ",
                       "Switch DPI into the third stage ", "Switch DPI into the fourth stage "};
    texts.key_matrix = {"Switch to key matrix 1", "Switch to key matrix 2"};
    texts.macro_key = "Switch to macro key";
    texts.detected = "The system detect the gaming mouse.";
    texts.not_detected = "The system did not detect the gaming mouse!";
    return texts;
}

std::string InterimExitText() {
    return "Exit";
}

std::string InterimReadSetting(const std::filesystem::path& file, const std::string& section,
                               const std::string& key) {
    wchar_t buffer[1024] = {};
    GetPrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), L"", buffer, 1024,
                             file.wstring().c_str());
    return Narrow(buffer);
}

int InterimColourComponent(const std::string& text) {
    return static_cast<int>(std::strtol(text.c_str(), nullptr, 10) & 0xFF);
}

}  // namespace corvanti::win
