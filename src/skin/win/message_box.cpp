#include "skin/win/message_box.h"

#include "skin/win/wide_text.h"

namespace corvanti::skin {

void MessageBoxMessages::ShowMessage(std::string_view text, std::string_view caption) {
    MessageBoxW(owner_, WidenUtf8(text).c_str(), WidenUtf8(caption).c_str(), MB_OK);
}

}  // namespace corvanti::skin
