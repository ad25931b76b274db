#include "device/linux/hidapi_functions.h"

namespace corvanti {

const HidapiFunctions& SystemHidapiFunctions() {
    static const HidapiFunctions functions = {
        hid_enumerate, hid_free_enumeration,    hid_open_path,
        hid_close,     hid_send_feature_report, hid_get_feature_report,
        hid_write,     hid_read_timeout,        hid_error,
    };
    return functions;
}

}  // namespace corvanti
