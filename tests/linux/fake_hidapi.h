#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "device/linux/hidapi_functions.h"

namespace corvanti::testing {

// One hidraw collection as the fake library lists it.
struct FakeHidEntry {
    std::string path;
    unsigned short vendor_id = 0x04D9;
    unsigned short product_id = 0xA09F;
    unsigned short release = 0x0100;
    unsigned short usage_page = 0;
    unsigned short usage = 0;
};

// One opened node: what was sent to it, and what it hands back.
struct FakeHidNode {
    std::string path;
    std::vector<std::vector<std::uint8_t>> features_sent;
    std::vector<std::vector<std::uint8_t>> outputs_written;
    std::vector<std::uint8_t> feature_answer;           // copied over the buffer from byte 0
    std::deque<std::vector<std::uint8_t>> input_queue;  // as hidraw hands reports over
    std::vector<int> read_timeouts;
    int fail_with = 0;       // 0: calls succeed; -1: they fail
    int short_write_by = 0;  // a write moves this many bytes fewer
    std::wstring error_text;
    bool closed = false;
};

// A stand-in for hidapi behind the backend's function table. One instance at a time is
// active; the table's plain functions reach it through a static pointer.
class FakeHidapi {
  public:
    FakeHidapi() { active_ = this; }
    ~FakeHidapi() { active_ = nullptr; }
    FakeHidapi(const FakeHidapi&) = delete;
    FakeHidapi& operator=(const FakeHidapi&) = delete;

    static const HidapiFunctions& Functions() {
        static const HidapiFunctions functions = {Enumerate, FreeEnumeration, OpenPath,
                                                  Close,     SendFeature,     GetFeature,
                                                  Write,     ReadTimeout,     Error};
        return functions;
    }

    std::vector<FakeHidEntry> entries;
    std::vector<std::string> unopenable_paths;
    std::list<FakeHidNode> nodes;  // every node opened, in order; stable addresses
    std::vector<std::pair<unsigned short, unsigned short>> enumerated_ids;
    int lists_freed = 0;

  private:
    static FakeHidNode& Node(hid_device* device) { return *reinterpret_cast<FakeHidNode*>(device); }

    static hid_device_info* Enumerate(unsigned short vendor_id, unsigned short product_id) {
        FakeHidapi& self = *active_;
        self.enumerated_ids.emplace_back(vendor_id, product_id);
        hid_device_info* head = nullptr;
        for (auto entry = self.entries.rbegin(); entry != self.entries.rend(); ++entry) {
            auto* info = new hid_device_info{};
            info->path = new char[entry->path.size() + 1];
            entry->path.copy(info->path, entry->path.size());
            info->path[entry->path.size()] = '\0';
            info->vendor_id = entry->vendor_id;
            info->product_id = entry->product_id;
            info->release_number = entry->release;
            info->usage_page = entry->usage_page;
            info->usage = entry->usage;
            info->next = head;
            head = info;
        }
        return head;
    }

    static void FreeEnumeration(hid_device_info* devices) {
        ++active_->lists_freed;
        while (devices != nullptr) {
            hid_device_info* next = devices->next;
            delete[] devices->path;
            delete devices;
            devices = next;
        }
    }

    static hid_device* OpenPath(const char* path) {
        FakeHidapi& self = *active_;
        for (const std::string& refused : self.unopenable_paths) {
            if (refused == path) {
                return nullptr;
            }
        }
        self.nodes.emplace_back().path = path;
        return reinterpret_cast<hid_device*>(&self.nodes.back());
    }

    static void Close(hid_device* device) { Node(device).closed = true; }

    static int SendFeature(hid_device* device, const unsigned char* data, std::size_t length) {
        FakeHidNode& node = Node(device);
        if (node.fail_with != 0) {
            return node.fail_with;
        }
        node.features_sent.emplace_back(data, data + length);
        return static_cast<int>(length);
    }

    static int GetFeature(hid_device* device, unsigned char* data, std::size_t length) {
        FakeHidNode& node = Node(device);
        if (node.fail_with != 0) {
            data[0] = 0xEE;  // a failing call may scribble; the caller's buffer must not see it
            return node.fail_with;
        }
        const std::size_t size = std::min(length, node.feature_answer.size());
        std::copy_n(node.feature_answer.begin(), size, data);
        return static_cast<int>(size);
    }

    static int Write(hid_device* device, const unsigned char* data, std::size_t length) {
        FakeHidNode& node = Node(device);
        if (node.fail_with != 0) {
            return node.fail_with;
        }
        node.outputs_written.emplace_back(data, data + length);
        return static_cast<int>(length) - node.short_write_by;
    }

    static int ReadTimeout(hid_device* device, unsigned char* data, std::size_t length,
                           int milliseconds) {
        FakeHidNode& node = Node(device);
        node.read_timeouts.push_back(milliseconds);
        if (node.fail_with != 0) {
            return node.fail_with;
        }
        if (node.input_queue.empty()) {
            return 0;
        }
        const std::vector<std::uint8_t> report = node.input_queue.front();
        node.input_queue.pop_front();
        const std::size_t size = std::min(length, report.size());
        std::copy_n(report.begin(), size, data);
        return static_cast<int>(size);
    }

    static const wchar_t* Error(hid_device* device) {
        const FakeHidNode& node = Node(device);
        return node.error_text.empty() ? nullptr : node.error_text.c_str();
    }

    static inline FakeHidapi* active_ = nullptr;
};

}  // namespace corvanti::testing
