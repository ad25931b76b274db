#include "device/win/hid_backend.h"

// clang-format off
#include <windows.h>
#include <setupapi.h>
// The HID library's headers declare C functions without saying so.
extern "C" {
#include <hidsdi.h>
#include <hidpi.h>
}
// clang-format on

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <span>

#include "common/text_encoding.h"
#include "common/win/handle_owners.h"
#include "device/system_hid_discovery.h"
#include "device/win/hid_interface_class.h"

namespace corvanti {

namespace {

// How long a write of one output report may take before it is given up.
constexpr DWORD kWriteTimeoutMs = 1000;

// The preparsed data of an opened collection; empty when the system has none for it.
win::UniquePreparsedData PreparsedDataOf(HANDLE device) {
    PHIDP_PREPARSED_DATA data = nullptr;
    return win::UniquePreparsedData(HidD_GetPreparsedData(device, &data) ? data : nullptr);
}

// More HID interfaces than any machine has: a list that never reports its end is cut here.
constexpr DWORD kMaxInterfaces = 4096;

bool InterfacePath(HDEVINFO set, SP_DEVICE_INTERFACE_DATA& data, std::string& path) {
    DWORD size = 0;
    SetupDiGetDeviceInterfaceDetailW(set, &data, nullptr, 0, &size, nullptr);
    if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) {
        return false;
    }
    // DWORD elements keep the structure suitably aligned.
    std::vector<DWORD> buffer((size + sizeof(DWORD) - 1) / sizeof(DWORD) + 1, 0);
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    if (!SetupDiGetDeviceInterfaceDetailW(set, &data, detail, size, nullptr, nullptr)) {
        return false;
    }
    path = WideToUtf8(detail->DevicePath);
    return !path.empty();
}

win::UniqueHandle OpenDevice(const std::string& path, DWORD access, DWORD flags) {
    return win::UniqueHandle(CreateFileW(Utf8ToWide(path).c_str(), access,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                         flags, nullptr));
}

// Fills attributes and capabilities of one interface as far as it can be examined.
HidInterfaceInfo Probe(HDEVINFO set, SP_DEVICE_INTERFACE_DATA& data) {
    HidInterfaceInfo info;
    if (!InterfacePath(set, data, info.path)) {
        info.probe = HidInterfaceInfo::Probe::DetailFailed;
        return info;
    }
    const win::UniqueHandle device = OpenDevice(info.path, 0, 0);
    if (!device.valid()) {
        info.probe = HidInterfaceInfo::Probe::OpenFailed;
        return info;
    }
    HIDD_ATTRIBUTES attributes{};
    attributes.Size = sizeof(attributes);
    if (HidD_GetAttributes(device.get(), &attributes)) {
        info.vendor_id = attributes.VendorID;
        info.product_id = attributes.ProductID;
        info.version = attributes.VersionNumber;
    }
    const win::UniquePreparsedData preparsed = PreparsedDataOf(device.get());
    if (!preparsed.valid()) {
        info.probe = HidInterfaceInfo::Probe::PreparsedDataFailed;
        return info;
    }
    HIDP_CAPS caps{};
    if (HidP_GetCaps(preparsed.get(), &caps) != HIDP_STATUS_SUCCESS) {
        info.probe = HidInterfaceInfo::Probe::CapsFailed;
        return info;
    }
    info.usage_page = caps.UsagePage;
    info.usage = caps.Usage;
    info.feature_length = caps.FeatureReportByteLength;
    info.input_length = caps.InputReportByteLength;
    info.output_length = caps.OutputReportByteLength;
    return info;
}

// The system's own text for an error code, without its line break.
std::string SystemText(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    if (length == 0 || buffer == nullptr) {
        return {};
    }
    std::string text = WideToUtf8(buffer);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

DWORD ClampedMilliseconds(std::chrono::milliseconds timeout) {
    const auto count = std::clamp<long long>(timeout.count(), 0, INFINITE - 1);
    return static_cast<DWORD>(count);
}

// One opened interface. Reads and writes are overlapped on a handle of its own event, so
// every wait ends at its time-out; an operation that times out is cancelled and its completion
// awaited, since the system may write into the caller's buffer until then.
class WindowsHidCollection : public HidCollection {
  public:
    WindowsHidCollection(win::UniqueHandle device, win::UniqueHandle io_event)
        : device_(std::move(device)), io_event_(std::move(io_event)) {}

    bool SetFeature(std::span<const std::uint8_t> report) override {
        std::vector<std::uint8_t> copy(report.begin(), report.end());  // the call takes PVOID
        return Succeeded("HidD_SetFeature",
                         HidD_SetFeature(device_.get(), copy.data(), ByteCount(copy.size())));
    }

    bool GetFeature(std::span<std::uint8_t> report) override {
        return Succeeded("HidD_GetFeature",
                         HidD_GetFeature(device_.get(), report.data(), ByteCount(report.size())));
    }

    bool WriteOutput(std::span<const std::uint8_t> report) override {
        std::vector<std::uint8_t> copy(report.begin(), report.end());
        const DWORD written = Transfer(copy, false, kWriteTimeoutMs);
        return written == copy.size();
    }

    std::size_t ReadInput(std::span<std::uint8_t> report,
                          std::chrono::milliseconds timeout) override {
        return Transfer(report, true, ClampedMilliseconds(timeout));
    }

    HidFailure LastFailure() const override { return last_failure_; }

    void DropQueuedInput() override {
        Succeeded("HidD_FlushQueue", HidD_FlushQueue(device_.get()));
    }

  private:
    static ULONG ByteCount(std::size_t size) { return static_cast<ULONG>(size); }

    // Keeps the call's failure, with the system's error and text, for the link's trace lines.
    bool Succeeded(const char* call, BOOLEAN result) {
        if (result) {
            return true;
        }
        last_failure_ = SystemFailure(call, GetLastError());
        return false;
    }

    // One overlapped ReadFile or WriteFile; returns the bytes moved, 0 on failure or time-out
    // (kept apart in the last failure).
    DWORD Transfer(std::span<std::uint8_t> buffer, bool read, DWORD timeout_ms) {
        const char* call = read ? "ReadFile" : "WriteFile";
        OVERLAPPED overlapped{};
        overlapped.hEvent = io_event_.get();
        ResetEvent(io_event_.get());
        const DWORD size = static_cast<DWORD>(buffer.size());
        const BOOL started =
            read ? ReadFile(device_.get(), buffer.data(), size, nullptr, &overlapped)
                 : WriteFile(device_.get(), buffer.data(), size, nullptr, &overlapped);
        if (!started && GetLastError() != ERROR_IO_PENDING) {
            last_failure_ = SystemFailure(call, GetLastError());
            return 0;
        }
        bool timed_out = false;
        if (WaitForSingleObject(io_event_.get(), timeout_ms) != WAIT_OBJECT_0) {
            timed_out = true;
            CancelIoEx(device_.get(), &overlapped);
        }
        DWORD moved = 0;
        // After a cancel this returns as soon as the cancellation has completed.
        if (!GetOverlappedResult(device_.get(), &overlapped, &moved, TRUE)) {
            const DWORD error = GetLastError();
            last_failure_ = timed_out && error == ERROR_OPERATION_ABORTED
                                ? HidFailure{HidFailure::Kind::TimedOut, call, 0, {}}
                                : SystemFailure(call, error);
            return 0;
        }
        return moved;
    }

    win::UniqueHandle device_;
    win::UniqueHandle io_event_;
    HidFailure last_failure_;
};

}  // namespace

HidFailure SystemFailure(const char* call, std::uint32_t code) {
    const bool removed = code == ERROR_DEVICE_NOT_CONNECTED || code == ERROR_DEV_NOT_EXIST;
    return {removed ? HidFailure::Kind::Removed : HidFailure::Kind::Failed, call, code,
            SystemText(code)};
}

bool WindowsHidDiscovery::ListInterfaces(std::vector<HidInterfaceInfo>& interfaces) {
    interfaces.clear();
    const GUID hid_class = win::HidInterfaceClassGuid();
    const win::UniqueDeviceInfoSet set(
        SetupDiGetClassDevsW(&hid_class, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE));
    if (!set.valid()) {
        return false;
    }
    for (DWORD index = 0; index < kMaxInterfaces; ++index) {
        SP_DEVICE_INTERFACE_DATA data{};
        data.cbSize = sizeof(data);
        if (!SetupDiEnumDeviceInterfaces(set.get(), nullptr, &hid_class, index, &data)) {
            // Only the end of the list ends it: a member that cannot be read is skipped, so
            // one broken device never hides the mouse listed after it.
            if (GetLastError() == ERROR_NO_MORE_ITEMS) {
                break;
            }
            continue;
        }
        interfaces.push_back(Probe(set.get(), data));
    }
    return true;
}

std::unique_ptr<HidCollection> WindowsHidDiscovery::Open(const std::string& path,
                                                         OpenPurpose purpose) {
    DWORD access = 0;
    DWORD flags = 0;
    switch (purpose) {
        case OpenPurpose::Query:
            break;
        case OpenPurpose::Command:
            // Overlapped as well, so a data phase that never arrives ends at its time-out.
            access = GENERIC_READ | GENERIC_WRITE;
            flags = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED;
            break;
        case OpenPurpose::EventRead:
            access = GENERIC_READ;
            flags = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED;
            break;
        case OpenPurpose::EventWrite:
            access = GENERIC_WRITE;
            flags = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED;
            break;
    }
    win::UniqueHandle device = OpenDevice(path, access, flags);
    if (!device.valid()) {
        return nullptr;
    }
    win::UniqueHandle io_event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!io_event.valid()) {
        return nullptr;
    }
    return std::make_unique<WindowsHidCollection>(std::move(device), std::move(io_event));
}

std::unique_ptr<HidDiscovery> MakeSystemHidDiscovery() {
    return std::make_unique<WindowsHidDiscovery>();
}

}  // namespace corvanti
