#include "device/device_open.h"
#include "device/mouse_identity.h"

#include <cstdio>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace corvanti {

namespace {

using Probe = HidInterfaceInfo::Probe;

enum class Step { Next, Fail };

bool IsMouse(const HidInterfaceInfo& info) {
    return info.vendor_id == kMouseVendorId && info.product_id == kMouseProductId;
}

bool IsEventChannel(const HidInterfaceInfo& info) {
    return info.usage == kEventUsage && info.usage_page == kEventUsage && info.input_length != 0;
}

bool IsCommandChannel(const HidInterfaceInfo& info) {
    return info.usage == kCommandUsage && info.usage_page == kCommandUsage &&
           info.feature_length != 0;
}

void TraceAttributes(const HidInterfaceInfo& info, TraceSink& trace) {
    char text[96];
    std::snprintf(text, sizeof text, "PID:%04x\n,VID:%04x\n,VersionNumber:%04x\n", info.product_id,
                  info.vendor_id, info.version);
    trace.Trace(text);
}

void TraceCaps(const HidInterfaceInfo& info, TraceSink& trace) {
    char text[192];
    std::snprintf(text, sizeof text,
                  "Usage:0x%04x\n, UsagePage:0x%04x\n,FeatureReportByteLength:0x%04x\n,"
                  "InputReportByteLength:0x%x\n,OutputReportByteLength:0x%x\n",
                  info.usage, info.usage_page, info.feature_length, info.input_length,
                  info.output_length);
    trace.Trace(text);
}

// The probe failures that end the search, with the message the user sees; interfaces of other
// devices are skipped before their descriptors matter.
Step CheckProbe(const HidInterfaceInfo& info, UserMessages& messages, TraceSink& trace) {
    switch (info.probe) {
        case Probe::DetailFailed:
            messages.ShowMessage("SetupDiGetDeviceInterfaceDetail failed.\n", kApplicationTitle);
            return Step::Fail;
        case Probe::OpenFailed:
            return Step::Fail;
        default:
            break;
    }
    TraceAttributes(info, trace);
    if (!IsMouse(info)) {
        return Step::Next;
    }
    if (info.probe == Probe::PreparsedDataFailed) {
        messages.ShowMessage("HidD_GetPreparsedData failed.\n", kApplicationTitle);
        return Step::Fail;
    }
    if (info.probe == Probe::CapsFailed) {
        messages.ShowMessage("HidP_GetCaps failed.", kApplicationTitle);
        return Step::Fail;
    }
    TraceCaps(info, trace);
    return Step::Next;
}

bool OpenEventChannel(LinkState& link, HidDiscovery& discovery, const HidInterfaceInfo& info) {
    std::shared_ptr<HidCollection> reader = discovery.Open(info.path, OpenPurpose::EventRead);
    if (!reader) {
        return false;
    }
    link.event_write = discovery.Open(info.path, OpenPurpose::EventWrite);
    if (!link.event_write) {
        return false;
    }
    link.SetEventChannel(std::move(reader), info.input_length);
    return true;
}

bool OpenCommandChannel(LinkState& link, HidDiscovery& discovery, const HidInterfaceInfo& info) {
    link.command = discovery.Open(info.path, OpenPurpose::Command);
    if (!link.command) {
        return false;
    }
    link.connected.store(1);
    link.feature_length = info.feature_length;
    link.input_length = info.input_length;
    link.output_length = info.output_length;
    return true;
}

// Once the command channel is open, the rest of the list is only searched for an event
// channel listed after it; nothing found there can undo the open.
void FindLateEventChannel(LinkState& link, HidDiscovery& discovery,
                          std::span<const HidInterfaceInfo> rest) {
    for (const auto& info : rest) {
        if (info.probe == Probe::Ok && IsMouse(info) && IsEventChannel(info)) {
            OpenEventChannel(link, discovery, info);
            return;
        }
    }
}

}  // namespace

bool OpenDevice(LinkState& link, HidDiscovery& discovery, UserMessages& messages,
                TraceSink& trace) {
    link.ReleaseCollections();
    std::vector<HidInterfaceInfo> interfaces;
    if (!discovery.ListInterfaces(interfaces)) {
        return false;
    }
    bool event_open = false;
    for (std::size_t i = 0; i < interfaces.size(); ++i) {
        const auto& info = interfaces[i];
        if (info.probe != Probe::DetailFailed) {
            link.device_path = info.path;
        }
        if (CheckProbe(info, messages, trace) == Step::Fail) {
            return false;
        }
        if (!IsMouse(info)) {
            continue;
        }
        if (info.usage == kEventUsage) {
            if (!IsEventChannel(info)) {
                continue;
            }
            if (!OpenEventChannel(link, discovery, info)) {
                return false;
            }
            event_open = true;
        } else if (IsCommandChannel(info)) {
            if (!OpenCommandChannel(link, discovery, info)) {
                return false;
            }
            if (!event_open) {
                FindLateEventChannel(link, discovery, std::span(interfaces).subspan(i + 1));
            }
            return true;
        }
    }
    return false;
}

}  // namespace corvanti
