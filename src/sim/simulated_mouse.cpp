#include "sim/simulated_mouse.h"

#include <algorithm>

namespace corvanti {

namespace {

constexpr std::uint16_t kVersion = 0x0100;
constexpr std::size_t kMinEventLength = 4;  // id, code, unused byte, value
constexpr std::uint8_t kReportRateEvent = 5;

std::string InterfacePath(std::string_view device) {
    return std::string(R"(\\?\HID#)") + std::string(device) + "#7&1a2b3c4d&0&0000#" +
           std::string(kHidInterfaceClassText);
}

// A collection of the mouse: its ids, then the interface and collection it is.
std::string MousePath(std::string_view collection) {
    return InterfacePath(std::string(kMouseIdsInNameUpper) + std::string(collection));
}

const std::string& CommandPath() {
    static const std::string path = MousePath("&MI_01&Col01");
    return path;
}
const std::string& EventPath() {
    static const std::string path = MousePath("&MI_01&Col02");
    return path;
}
const std::string& PointerPath() {
    static const std::string path = MousePath("&MI_00");
    return path;
}
const std::string& UnrelatedPath() {
    static const std::string path = InterfacePath("VID_FFFE&PID_0001&MI_00");
    return path;
}

HidInterfaceInfo Interface(const std::string& path, std::uint16_t vendor, std::uint16_t product,
                           std::uint16_t usage_page, std::uint16_t usage,
                           std::uint16_t feature_length, std::uint16_t input_length,
                           std::uint16_t output_length) {
    HidInterfaceInfo info;
    info.path = path;
    info.vendor_id = vendor;
    info.product_id = product;
    info.version = kVersion;
    info.usage_page = usage_page;
    info.usage = usage;
    info.feature_length = feature_length;
    info.input_length = input_length;
    info.output_length = output_length;
    return info;
}

}  // namespace

// One opened interface of the simulated bus. Which calls work depends on what was opened and
// how: only the command channel carries commands, only the event channel events, and a
// handle opened without access rights carries nothing.
class SimulatedMouseCollection : public HidCollection {
  public:
    SimulatedMouseCollection(std::shared_ptr<SimulatedMouse> mouse, SimulatedMouse::Channel channel,
                             OpenPurpose purpose)
        : mouse_(std::move(mouse)), channel_(channel), purpose_(purpose) {}

    bool SetFeature(std::span<const std::uint8_t> report) override {
        return Carries(SimulatedMouse::Channel::Command) && mouse_->SetFeature(report);
    }
    bool GetFeature(std::span<std::uint8_t> report) override {
        return Carries(SimulatedMouse::Channel::Command) && mouse_->GetFeature(report);
    }
    bool WriteOutput(std::span<const std::uint8_t> report) override {
        return Carries(SimulatedMouse::Channel::Command) && mouse_->WriteOutput(report);
    }
    std::size_t ReadInput(std::span<std::uint8_t> report,
                          std::chrono::milliseconds timeout) override {
        if (Carries(SimulatedMouse::Channel::Command)) {
            return mouse_->ReadData(report, timeout);
        }
        if (Carries(SimulatedMouse::Channel::Event)) {
            return mouse_->ReadEvent(report, timeout);
        }
        return 0;
    }
    void DropQueuedInput() override {
        if (Carries(SimulatedMouse::Channel::Command)) {
            mouse_->DropQueuedData();
        }
    }

  private:
    bool Carries(SimulatedMouse::Channel channel) const {
        return channel_ == channel && purpose_ != OpenPurpose::Query;
    }

    std::shared_ptr<SimulatedMouse> mouse_;
    SimulatedMouse::Channel channel_;
    OpenPurpose purpose_;
};

std::shared_ptr<SimulatedMouse> SimulatedMouse::Create(const SimulatedMouseOptions& options,
                                                       std::string& error) {
    std::optional<SimulatedMouseState> state;
    std::error_code exists_error;
    const bool has_state_file =
        !options.state_path.empty() && std::filesystem::exists(options.state_path, exists_error);
    if (has_state_file) {
        state = LoadMouseState(options.state_path, error);
        if (!state) {
            return nullptr;
        }
    } else {
        state = FactoryMouseState(options.sensor_type);
        if (!options.state_path.empty()) {
            if (const auto save_error = SaveMouseState(options.state_path, *state)) {
                error = "cannot write " + options.state_path.string() + ": " + save_error.message();
                return nullptr;
            }
        }
    }
    std::shared_ptr<SimulatedMouse> mouse(new SimulatedMouse(options, *state));
    if (!options.traffic_log_path.empty()) {
        mouse->traffic_log_ = std::make_unique<TrafficLog>(options.traffic_log_path);
        if (!mouse->traffic_log_->is_open()) {
            error = "cannot write the traffic log " + options.traffic_log_path.string();
            return nullptr;
        }
    }
    return mouse;
}

SimulatedMouse::SimulatedMouse(const SimulatedMouseOptions& options,
                               const SimulatedMouseState& state)
    : options_(options), firmware_(state, options.handshake) {
    options_.event_input_length =
        std::max<std::uint16_t>(options_.event_input_length, kMinEventLength);
    if (!options_.state_path.empty()) {
        press_request_path_ = PressRequestPath(options_.state_path);
        fault_request_path_ = FaultRequestPath(options_.state_path);
    }
}

std::filesystem::path SimulatedMouse::PressRequestPath(const std::filesystem::path& state_path) {
    std::filesystem::path path = state_path;
    path += ".press";
    return path;
}

std::filesystem::path SimulatedMouse::FaultRequestPath(const std::filesystem::path& state_path) {
    std::filesystem::path path = state_path;
    path += ".fault";
    return path;
}

// --- The interface list ---------------------------------------------------------------------

bool SimulatedMouse::ListInterfaces(std::vector<HidInterfaceInfo>& interfaces) {
    std::unique_lock lock(mutex_);
    TakeRequestsUnlocked(lock);
    interfaces = InterfacesLocked();
    return true;
}

std::vector<HidInterfaceInfo> SimulatedMouse::InterfacesLocked() const {
    std::vector<HidInterfaceInfo> list;
    list.push_back(Interface(UnrelatedPath(), 0xFFFE, 0x0001, 0x000C, 0x0001, 0, 3, 0));
    if (!plugged_in_) {
        return list;
    }
    const HidInterfaceInfo command =
        Interface(CommandPath(), kMouseVendorId, kMouseProductId, kCommandUsage, kCommandUsage,
                  kCommandFeatureLength, kCommandDataReportLength, kCommandDataReportLength);
    const HidInterfaceInfo event =
        Interface(EventPath(), kMouseVendorId, kMouseProductId, kEventUsage, kEventUsage, 0,
                  options_.event_input_length, 0);
    list.push_back(
        Interface(PointerPath(), kMouseVendorId, kMouseProductId, 0x0001, 0x0002, 0, 8, 0));
    list.push_back(options_.event_channel_first ? event : command);
    list.push_back(options_.event_channel_first ? command : event);
    return list;
}

std::unique_ptr<HidCollection> SimulatedMouse::Open(const std::string& path, OpenPurpose purpose) {
    const std::lock_guard lock(mutex_);
    std::optional<Channel> channel;
    if (path == UnrelatedPath()) {
        channel = Channel::Unrelated;
    } else if (plugged_in_ && path == PointerPath()) {
        channel = Channel::Pointer;
    } else if (plugged_in_ && path == CommandPath()) {
        channel = Channel::Command;
    } else if (plugged_in_ && path == EventPath()) {
        channel = Channel::Event;
    }
    // The system keeps pointer collections to itself: they open only for queries.
    const bool system_owned = channel == Channel::Pointer || channel == Channel::Unrelated;
    if (!channel || (system_owned && purpose != OpenPurpose::Query)) {
        return nullptr;
    }
    return std::make_unique<SimulatedMouseCollection>(shared_from_this(), *channel, purpose);
}

// --- Command channel ------------------------------------------------------------------------

bool SimulatedMouse::SetFeature(std::span<const std::uint8_t> report) {
    const std::lock_guard lock(mutex_);
    if (!plugged_in_ || report.size() < kCommandFeatureLength || report[0] != kCommandReportId) {
        return false;
    }
    CommandPacket wire{};
    std::copy_n(report.begin() + 1, kPacketSize, wire.begin());
    if (firmware_.ReceivePacket(wire)) {
        SaveLocked();
    }
    RecordLocked(TrafficKind::FeatureSent, report.first(kCommandFeatureLength));
    return true;
}

bool SimulatedMouse::GetFeature(std::span<std::uint8_t> report) {
    const std::lock_guard lock(mutex_);
    if (!plugged_in_ || !answering_ || report.size() < kCommandFeatureLength ||
        report[0] != kCommandReportId) {
        return false;
    }
    std::array<std::uint8_t, kCommandFeatureLength> wire{kCommandReportId};
    const CommandPacket answer = firmware_.TakeAnswer();
    std::copy(answer.begin(), answer.end(), wire.begin() + 1);
    return DeliverLocked(TrafficKind::FeatureReceived, wire, report) != 0;
}

bool SimulatedMouse::WriteOutput(std::span<const std::uint8_t> report) {
    const std::lock_guard lock(mutex_);
    if (!plugged_in_ || report.size() < kCommandDataReportLength || report[0] != kCommandReportId) {
        return false;
    }
    if (firmware_.ReceiveData(report.subspan(1, kDataReportPayload))) {
        SaveLocked();
    }
    RecordLocked(TrafficKind::OutputSent, report.first(kCommandDataReportLength));
    return true;
}

std::size_t SimulatedMouse::ReadData(std::span<std::uint8_t> report,
                                     std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    if (plugged_in_ && !queued_data_.empty()) {
        const auto wire = queued_data_.front();
        queued_data_.pop_front();
        return DeliverLocked(TrafficKind::InputReceived, wire, report);
    }
    const auto data = plugged_in_ && answering_ ? firmware_.TakeData() : std::nullopt;
    std::array<std::uint8_t, kCommandDataReportLength> wire{kCommandReportId};
    if (data) {
        std::copy(data->begin(), data->end(), wire.begin() + 1);
    }
    if (!data || late_reports_ > 0) {
        // Nothing in time: wait out the time-out as a silent device would, unless it is pulled
        // out. A late report arrives just after the read gave up.
        changed_.wait_for(lock, timeout, [this] { return !plugged_in_; });
        if (data && plugged_in_) {
            --late_reports_;
            queued_data_.push_back(wire);
        }
        return 0;
    }
    return DeliverLocked(TrafficKind::InputReceived, wire, report);
}

void SimulatedMouse::DropQueuedData() {
    const std::lock_guard lock(mutex_);
    queued_data_.clear();
}

// --- Event channel --------------------------------------------------------------------------

void SimulatedMouse::Press(ButtonPress press) {
    const std::lock_guard lock(mutex_);
    QueuePressLocked(press);
}

void SimulatedMouse::QueuePressLocked(ButtonPress press) {
    if (!plugged_in_) {
        return;
    }
    firmware_.Press(press);
    if (press.code == kReportRateEvent) {
        SaveLocked();
    }
    // id, code, an unused byte, value; zeros up to the channel's input length
    std::vector<std::uint8_t> report = {kEventReportId, press.code, 0x00, press.value};
    report.resize(options_.event_input_length, 0x00);
    events_.push_back(std::move(report));
    changed_.notify_all();
}

std::size_t SimulatedMouse::ReadEvent(std::span<std::uint8_t> report,
                                      std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::unique_lock lock(mutex_);
    while (plugged_in_) {
        TakeRequestsUnlocked(lock);
        if (!plugged_in_) {
            break;
        }
        if (!events_.empty()) {
            const std::vector<std::uint8_t> event = std::move(events_.front());
            events_.pop_front();
            return DeliverLocked(TrafficKind::InputReceived, event, report);
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) {
            break;
        }
        changed_.wait_until(lock, std::min(deadline, now + kPressPollInterval));
    }
    return 0;
}

// Reads the request files without holding the lock, so commands are not held up by the disk.
void SimulatedMouse::TakeRequestsUnlocked(std::unique_lock<std::mutex>& lock) {
    if (press_request_path_.empty()) {
        return;
    }
    lock.unlock();
    const std::vector<FaultRequest> faults = TakeFaultRequests(fault_request_path_);
    const std::vector<ButtonPress> presses = TakePressRequests(press_request_path_);
    lock.lock();
    for (const FaultRequest fault : faults) {
        ApplyFaultLocked(fault);
    }
    for (const ButtonPress press : presses) {
        QueuePressLocked(press);
    }
}

void SimulatedMouse::ApplyFaultLocked(FaultRequest request) {
    switch (request) {
        case FaultRequest::Unplug:
            UnplugLocked();
            break;
        case FaultRequest::Replug:
            plugged_in_ = true;
            reports_until_unplug_.reset();
            break;
        case FaultRequest::Silent:
            answering_ = false;
            break;
        case FaultRequest::Answer:
            answering_ = true;
            break;
    }
}

// --- Faults and inspection ------------------------------------------------------------------

void SimulatedMouse::SetAnswerFault(AnswerFault fault) {
    const std::lock_guard lock(mutex_);
    firmware_.set_answer_fault(fault);
}

void SimulatedMouse::SetAnswering(bool answering) {
    const std::lock_guard lock(mutex_);
    answering_ = answering;
}

void SimulatedMouse::DeliverLate(std::size_t reports) {
    const std::lock_guard lock(mutex_);
    late_reports_ = reports;
}

void SimulatedMouse::UnplugAfter(std::size_t reports) {
    const std::lock_guard lock(mutex_);
    reports_until_unplug_ = reports;
    if (reports == 0) {
        UnplugLocked();
    }
}

void SimulatedMouse::Replug() {
    const std::lock_guard lock(mutex_);
    ApplyFaultLocked(FaultRequest::Replug);
}

bool SimulatedMouse::plugged_in() const {
    const std::lock_guard lock(mutex_);
    return plugged_in_;
}

bool SimulatedMouse::accepted() const {
    const std::lock_guard lock(mutex_);
    return firmware_.accepted();
}

SimulatedMouseState SimulatedMouse::state() const {
    const std::lock_guard lock(mutex_);
    return firmware_.state();
}

std::size_t SimulatedMouse::reports_crossed() const {
    const std::lock_guard lock(mutex_);
    return reports_crossed_;
}

// --- Helpers --------------------------------------------------------------------------------

// Hands one report from the mouse to the program: logged whole, copied cut to the caller's
// buffer. Returns the number of bytes copied.
std::size_t SimulatedMouse::DeliverLocked(TrafficKind kind, std::span<const std::uint8_t> wire,
                                          std::span<std::uint8_t> report) {
    const std::size_t count = std::min(wire.size(), report.size());
    std::copy_n(wire.begin(), count, report.begin());
    RecordLocked(kind, wire);
    return count;
}

// Every report that crosses the wire passes here once it has been carried out: it is logged
// and counted towards a pending unplug.
void SimulatedMouse::RecordLocked(TrafficKind kind, std::span<const std::uint8_t> wire) {
    if (traffic_log_) {
        traffic_log_->Record(kind, wire);
    }
    ++reports_crossed_;
    if (reports_until_unplug_ && --*reports_until_unplug_ == 0) {
        UnplugLocked();
    }
}

void SimulatedMouse::SaveLocked() {
    if (!options_.state_path.empty()) {
        // A failed save keeps the previous file; the mouse itself still holds the new state.
        (void)SaveMouseState(options_.state_path, firmware_.state());
    }
}

void SimulatedMouse::UnplugLocked() {
    plugged_in_ = false;
    reports_until_unplug_.reset();
    firmware_.PowerCycle();
    events_.clear();
    queued_data_.clear();
    changed_.notify_all();
}

}  // namespace corvanti
