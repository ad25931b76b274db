#include "macro/macro_messages.h"

#include "common/text_format.h"

namespace corvanti {

std::string HookInstallErrorText(unsigned long system_error) {
    return FormatText("JournalRecordHook Install error code :%d\n", static_cast<int>(system_error));
}

}  // namespace corvanti
