#pragma once

#include <windows.h>

#include "device/mouse_identity.h"

namespace corvanti::win {

// The HID interface class as the system's calls take it: for listing the present
// collections and for the arrival and removal notifications of the main window.
inline GUID HidInterfaceClassGuid() {
    const InterfaceClassId& id = kHidInterfaceClass;
    return GUID{id.data1,
                id.data2,
                id.data3,
                {id.data4[0], id.data4[1], id.data4[2], id.data4[3], id.data4[4], id.data4[5],
                 id.data4[6], id.data4[7]}};
}

}  // namespace corvanti::win
