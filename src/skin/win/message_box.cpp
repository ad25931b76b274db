#include "skin/win/message_box.h"

#include "common/text_encoding.h"

namespace corvanti::skin {

void MessageBoxMessages::ShowMessage(std::string_view text, std::string_view caption) {
    MessageBoxW(owner_, Utf8ToWide(text).c_str(), Utf8ToWide(caption).c_str(), MB_OK);
}

}  // namespace corvanti::skin
