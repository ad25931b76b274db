#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace corvanti {

// Why the last call of a collection that moved nothing did so, in the system's own words.
struct HidFailure {
    enum class Kind {
        None,      // the last call succeeded
        TimedOut,  // nothing came within the time allowed
        Failed,    // the system refused the call
        Removed,   // the device is gone
    };
    Kind kind = Kind::None;
    std::string call;        // the system call, e.g. "HidD_GetFeature"
    std::uint32_t code = 0;  // the system's error code, 0 for a time-out
    std::string text;        // the system's text for that code

    // One line for a trace: "HidD_GetFeature failed: 31 A device attached ...", or "no reason
    // given" when the collection could not tell.
    std::string Describe() const;
};

// One opened HID collection of the mouse. Report buffers hold the report id in byte 0.
// Every member returns promptly: nothing here waits without a bound.
class HidCollection {
  public:
    virtual ~HidCollection() = default;

    // What went wrong in the last call that moved nothing. A collection that cannot tell
    // reports Kind::None.
    virtual HidFailure LastFailure() const { return {}; }

    // Drops the input reports that arrived and were not read, so a report that came too late
    // for one read is never taken as the answer to the next. A collection without a queue has
    // nothing to drop.
    virtual void DropQueuedInput() {}

    // Sends one feature report. False when the device refused it or is gone.
    virtual bool SetFeature(std::span<const std::uint8_t> report) = 0;

    // Asks for one feature report; byte 0 of `report` names the report id. On success the
    // buffer holds the answer; on failure it is left as it was and false is returned.
    virtual bool GetFeature(std::span<std::uint8_t> report) = 0;

    // Writes one output report. False when the device did not take it.
    virtual bool WriteOutput(std::span<const std::uint8_t> report) = 0;

    // Waits at most `timeout` for one input report and copies it into `report` (cut to the
    // buffer's size). Returns the number of bytes read; 0 on time-out, failure or removal,
    // which LastFailure tells apart.
    virtual std::size_t ReadInput(std::span<std::uint8_t> report,
                                  std::chrono::milliseconds timeout) = 0;
};

// How an interface is opened: the command channel for synchronous reading and writing, the
// event channel once for overlapped reading and once for writing, or with no access at all,
// which is enough to ask for attributes and capabilities.
enum class OpenPurpose { Query, Command, EventRead, EventWrite };

// What the system lists about one present HID interface, in the system's own order.
struct HidInterfaceInfo {
    // How far examining the interface got; the device-open rules stop at some failures.
    enum class Probe {
        Ok,                   // every field below is filled
        DetailFailed,         // the interface path could not be obtained
        OpenFailed,           // the path could not be opened even without access rights
        PreparsedDataFailed,  // the collection's descriptors could not be read
        CapsFailed,           // the capabilities could not be parsed
    };

    Probe probe = Probe::Ok;
    std::string path;
    std::uint16_t vendor_id = 0;
    std::uint16_t product_id = 0;
    std::uint16_t version = 0;
    std::uint16_t usage_page = 0;
    std::uint16_t usage = 0;
    std::uint16_t feature_length = 0;
    std::uint16_t input_length = 0;
    std::uint16_t output_length = 0;
};

class HidDiscovery {
  public:
    virtual ~HidDiscovery() = default;

    // The present HID interfaces in the order the system lists them. Attributes and
    // capabilities are read only for interfaces that can be probed; see Probe. Returns false
    // when the list itself cannot be had.
    virtual bool ListInterfaces(std::vector<HidInterfaceInfo>& interfaces) = 0;

    // Opens one interface for the given purpose; null when it cannot be opened.
    virtual std::unique_ptr<HidCollection> Open(const std::string& path, OpenPurpose purpose) = 0;
};

}  // namespace corvanti
