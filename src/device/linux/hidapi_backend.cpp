#include "device/linux/hidapi_backend.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdint>
#include <span>

#include "common/text_encoding.h"
#include "device/mouse_identity.h"
#include "device/system_hid_discovery.h"

namespace corvanti {

namespace {

constexpr int kFailed = -1;
constexpr std::size_t kReportIdSize = 1;
constexpr std::uint8_t kUnnumberedReportId = 0;
// More queued input reports than the mouse ever sends at once: dropping the queue stops here.
constexpr int kMaxDroppedReports = 64;
// hidapi's own words when a read finds the device gone.
constexpr std::string_view kDisconnectedText = "disconnected";

// The report lengths the mouse declares for a collection, which hidraw does not tell.
void FillMouseLengths(HidInterfaceInfo& info) {
    if (info.usage_page == kCommandUsage && info.usage == kCommandUsage) {
        info.feature_length = kCommandFeatureLength;
        info.input_length = kCommandDataReportLength;
        info.output_length = kCommandDataReportLength;
    } else if (info.usage_page == kEventUsage && info.usage == kEventUsage) {
        info.input_length = kEventInputLength;
    }
}

// One opened hidraw node. The command channel's reports carry no report id on the wire:
// hidraw hands its input reports over without one, so the collection puts the 0 back in front,
// as the seam expects; feature and output reports keep byte 0 as the id, as hidraw wants them.
class HidapiCollection : public HidCollection {
  public:
    HidapiCollection(const HidapiFunctions& functions, hid_device* device, bool input_has_id)
        : functions_(functions), device_(device), input_has_id_(input_has_id) {}
    ~HidapiCollection() override { functions_.close(device_); }
    HidapiCollection(const HidapiCollection&) = delete;
    HidapiCollection& operator=(const HidapiCollection&) = delete;

    bool SetFeature(std::span<const std::uint8_t> report) override {
        return Succeeded("hid_send_feature_report",
                         functions_.send_feature_report(device_, report.data(), report.size()));
    }

    bool GetFeature(std::span<std::uint8_t> report) override {
        // A failed call must leave the caller's buffer as it was.
        std::vector<std::uint8_t> answer(report.begin(), report.end());
        if (!Succeeded("hid_get_feature_report",
                       functions_.get_feature_report(device_, answer.data(), answer.size()))) {
            return false;
        }
        std::ranges::copy(answer, report.begin());
        return true;
    }

    bool WriteOutput(std::span<const std::uint8_t> report) override {
        const int written = functions_.write(device_, report.data(), report.size());
        return Succeeded("hid_write", written) &&
               static_cast<std::size_t>(written) == report.size();
    }

    std::size_t ReadInput(std::span<std::uint8_t> report,
                          std::chrono::milliseconds timeout) override {
        if (report.size() <= kReportIdSize) {
            return 0;
        }
        const std::span<std::uint8_t> target =
            input_has_id_ ? report : report.subspan(kReportIdSize);
        const int read = functions_.read_timeout(device_, target.data(), target.size(),
                                                 ClampedMilliseconds(timeout));
        if (read == 0) {
            last_failure_ = {HidFailure::Kind::TimedOut, "hid_read_timeout", 0, {}};
            return 0;
        }
        if (!Succeeded("hid_read_timeout", read)) {
            return 0;
        }
        if (input_has_id_) {
            return static_cast<std::size_t>(read);
        }
        report[0] = kUnnumberedReportId;
        return static_cast<std::size_t>(read) + kReportIdSize;
    }

    void DropQueuedInput() override {
        std::vector<std::uint8_t> buffer(kCommandDataReportLength);
        for (int i = 0; i < kMaxDroppedReports; ++i) {
            if (functions_.read_timeout(device_, buffer.data(), buffer.size(), 0) <= 0) {
                return;
            }
        }
    }

    HidFailure LastFailure() const override { return last_failure_; }

  private:
    static int ClampedMilliseconds(std::chrono::milliseconds timeout) {
        return static_cast<int>(std::clamp<long long>(timeout.count(), 0, INT_MAX));
    }

    // Keeps a failed call with the library's text, for the link's trace lines.
    bool Succeeded(const char* call, int result) {
        if (result != kFailed) {
            return true;
        }
        const wchar_t* text = functions_.error(device_);
        const std::string words = text ? WideToUtf8(text) : std::string();
        const bool removed = words.find(kDisconnectedText) != std::string::npos;
        last_failure_ = {removed ? HidFailure::Kind::Removed : HidFailure::Kind::Failed, call, 0,
                         words};
        return false;
    }

    const HidapiFunctions& functions_;
    hid_device* device_;
    bool input_has_id_;
    HidFailure last_failure_;
};

}  // namespace

bool HidapiDiscovery::ListInterfaces(std::vector<HidInterfaceInfo>& interfaces) {
    interfaces.clear();
    hid_device_info* const devices = functions_.enumerate(kMouseVendorId, kMouseProductId);
    for (const hid_device_info* device = devices; device != nullptr; device = device->next) {
        HidInterfaceInfo info;
        info.path = device->path ? device->path : "";
        info.vendor_id = device->vendor_id;
        info.product_id = device->product_id;
        info.version = device->release_number;
        info.usage_page = device->usage_page;
        info.usage = device->usage;
        FillMouseLengths(info);
        interfaces.push_back(std::move(info));
    }
    functions_.free_enumeration(devices);
    return true;
}

std::unique_ptr<HidCollection> HidapiDiscovery::Open(const std::string& path, OpenPurpose purpose) {
    hid_device* const device = functions_.open_path(path.c_str());
    if (device == nullptr) {
        return nullptr;
    }
    // Only the event channel numbers its input reports (id 0x06).
    const bool input_has_id =
        purpose == OpenPurpose::EventRead || purpose == OpenPurpose::EventWrite;
    return std::make_unique<HidapiCollection>(functions_, device, input_has_id);
}

std::unique_ptr<HidDiscovery> MakeSystemHidDiscovery() {
    return std::make_unique<HidapiDiscovery>(SystemHidapiFunctions());
}

}  // namespace corvanti
