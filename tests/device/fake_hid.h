#pragma once

// Test doubles for the device link: a scripted HID wire that records every report crossing it,
// a discovery over a fixed interface list and a recording event sink.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "common/user_messages.h"
#include "device/command_packet.h"
#include "device/device_event.h"
#include "device/hid_transport.h"
#include "device/link_state.h"
#include "device/mouse_identity.h"
#include "support/recording_clock.h"
#include "support/recording_messages.h"

namespace corvanti::testing {

using Report = std::vector<std::uint8_t>;

struct Crossing {
    enum class Kind { SetFeature, GetFeature, Output, Input };
    Kind kind;
    Report bytes;
    bool operator==(const Crossing&) const = default;
};

// Both ends of one opened interface. `on_set_feature` plays the device: it may queue feature
// answers and input reports. An empty answer queue makes GetFeature fail; an empty input queue
// makes ReadInput time out.
struct Wire {
    std::vector<Crossing> traffic;
    std::deque<Report> feature_answers;
    std::deque<Report> input_reports;
    std::function<void(Wire&, const Report&)> on_set_feature;
    std::function<void(Wire&, const Report&)> on_output;
    std::vector<std::chrono::milliseconds> read_timeouts;
    bool unplugged = false;
    int live_collections = 0;

    std::size_t Count(Crossing::Kind kind) const {
        std::size_t count = 0;
        for (const auto& crossing : traffic) {
            count += crossing.kind == kind ? 1 : 0;
        }
        return count;
    }
};

class ScriptedCollection : public HidCollection {
  public:
    explicit ScriptedCollection(std::shared_ptr<Wire> wire) : wire_(std::move(wire)) {
        ++wire_->live_collections;
    }
    ~ScriptedCollection() override { --wire_->live_collections; }

    bool SetFeature(std::span<const std::uint8_t> report) override {
        if (wire_->unplugged) {
            return false;
        }
        Report bytes(report.begin(), report.end());
        wire_->traffic.push_back({Crossing::Kind::SetFeature, bytes});
        if (wire_->on_set_feature) {
            wire_->on_set_feature(*wire_, bytes);
        }
        return true;
    }

    bool GetFeature(std::span<std::uint8_t> report) override {
        if (wire_->unplugged || wire_->feature_answers.empty()) {
            return false;
        }
        Copy(wire_->feature_answers.front(), report);
        wire_->feature_answers.pop_front();
        wire_->traffic.push_back(
            {Crossing::Kind::GetFeature, Report(report.begin(), report.end())});
        return true;
    }

    bool WriteOutput(std::span<const std::uint8_t> report) override {
        if (wire_->unplugged) {
            return false;
        }
        Report bytes(report.begin(), report.end());
        wire_->traffic.push_back({Crossing::Kind::Output, bytes});
        if (wire_->on_output) {
            wire_->on_output(*wire_, bytes);
        }
        return true;
    }

    std::size_t ReadInput(std::span<std::uint8_t> report,
                          std::chrono::milliseconds timeout) override {
        wire_->read_timeouts.push_back(timeout);
        if (wire_->unplugged || wire_->input_reports.empty()) {
            return 0;
        }
        const Report next = wire_->input_reports.front();
        wire_->input_reports.pop_front();
        const std::size_t count = Copy(next, report);
        wire_->traffic.push_back({Crossing::Kind::Input, next});
        return count;
    }

  private:
    static std::size_t Copy(const Report& from, std::span<std::uint8_t> to) {
        const std::size_t count = std::min(from.size(), to.size());
        std::copy_n(from.begin(), count, to.begin());
        return count;
    }

    std::shared_ptr<Wire> wire_;
};

// A fixed interface list; every path leads to its own wire, created on first use.
class FakeDiscovery : public HidDiscovery {
  public:
    std::vector<HidInterfaceInfo> interfaces;
    bool list_fails = false;
    std::vector<std::pair<std::string, OpenPurpose>> opens;
    std::vector<std::pair<std::string, OpenPurpose>> refused;  // opens that fail

    std::shared_ptr<Wire> WireOf(const std::string& path) {
        auto& wire = wires_[path];
        if (!wire) {
            wire = std::make_shared<Wire>();
        }
        return wire;
    }

    bool ListInterfaces(std::vector<HidInterfaceInfo>& out) override {
        out = interfaces;
        return !list_fails;
    }

    std::unique_ptr<HidCollection> Open(const std::string& path, OpenPurpose purpose) override {
        opens.emplace_back(path, purpose);
        for (const auto& refusal : refused) {
            if (refusal.first == path && refusal.second == purpose) {
                return nullptr;
            }
        }
        return std::make_unique<ScriptedCollection>(WireOf(path));
    }

  private:
    std::map<std::string, std::shared_ptr<Wire>> wires_;
};

class RecordingEvents : public DeviceEventSink {
  public:
    std::vector<DeviceEvent> events;
    void Deliver(DeviceEventCode code, std::uint8_t value) override {
        events.push_back({code, value});
    }
};

// The feature report that carries `packet` on the command channel: report id, then the packet,
// zero-padded to the channel's feature length.
inline Report FeatureReportOf(const CommandPacket& packet,
                              std::size_t size = kCommandFeatureLength) {
    Report report(size, 0);
    std::copy(packet.begin(), packet.end(), report.begin() + 1);
    return report;
}

// Puts a scripted command channel with the mouse's report lengths into `link`.
inline void AttachScriptedCommandChannel(LinkState& link, const std::shared_ptr<Wire>& wire) {
    link.command = std::make_unique<ScriptedCollection>(wire);
    link.feature_length = kCommandFeatureLength;
    link.input_length = kCommandDataReportLength;
    link.output_length = kCommandDataReportLength;
}

inline HidInterfaceInfo MouseInterface(std::string path, std::uint16_t usage,
                                       std::uint16_t feature_length = kCommandFeatureLength) {
    HidInterfaceInfo info;
    info.path = std::move(path);
    info.vendor_id = kMouseVendorId;
    info.product_id = kMouseProductId;
    info.version = 0x0100;
    info.usage_page = usage;
    info.usage = usage;
    info.feature_length = feature_length;
    info.input_length = kCommandDataReportLength;
    info.output_length = kCommandDataReportLength;
    return info;
}

}  // namespace corvanti::testing
