#pragma once

#include <cstddef>

#include <hidapi/hidapi.h>

namespace corvanti {

// The calls of hidapi that the Linux backend makes, as a table, so that tests can put a fake
// library in its place. Each has the contract of the hidapi call of the same name.
struct HidapiFunctions {
    hid_device_info* (*enumerate)(unsigned short vendor_id, unsigned short product_id);
    void (*free_enumeration)(hid_device_info* devices);
    hid_device* (*open_path)(const char* path);
    void (*close)(hid_device* device);
    // These return the bytes moved (the report id included), or -1 on failure.
    int (*send_feature_report)(hid_device* device, const unsigned char* data, std::size_t length);
    int (*get_feature_report)(hid_device* device, unsigned char* data, std::size_t length);
    int (*write)(hid_device* device, const unsigned char* data, std::size_t length);
    // 0 when nothing came within the time.
    int (*read_timeout)(hid_device* device, unsigned char* data, std::size_t length,
                        int milliseconds);
    // The library's text for the last failure on `device`; may be null.
    const wchar_t* (*error)(hid_device* device);
};

// The hidapi-hidraw library itself.
const HidapiFunctions& SystemHidapiFunctions();

}  // namespace corvanti
