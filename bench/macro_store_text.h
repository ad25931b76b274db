#pragma once

// What the benchmarks share: a timing loop and the text of a full macro store.
#include <chrono>
#include <string>
#include <string_view>

namespace corvanti::bench {

template <typename Work>
double MillisecondsPerRun(int runs, Work work) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    for (int i = 0; i < runs; ++i) {
        work();
    }
    const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
    return elapsed.count() / runs;
}

// Twelve macros of 63 key events, each followed by its delay, as the macro store writes them.
inline std::string FullMacroStore(std::string_view key_item, std::string_view delay_item) {
    std::string text;
    for (int macro = 0; macro < 12; ++macro) {
        text += "[Macro " + std::to_string(macro) + "]\r\nItemCount=126\r\n";
        for (int item = 0; item < 126; ++item) {
            text += "Item" + std::to_string(item) + "=";
            text += (item % 2 == 0) ? key_item : delay_item;
            text += "\r\n";
        }
    }
    return text;
}

}  // namespace corvanti::bench
