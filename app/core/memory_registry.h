// A registry held in memory, for the platforms that stand in for the desktop:
// the unit tests' recording platform and the scenario runner's. It lives with
// the core so the runner need not reach into the tests.
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/platform.h"

namespace velmor {

struct MemoryRegistryValue {
    std::uint32_t type = kRegString;
    std::vector<std::uint8_t> bytes;
};

class MemoryRegistry {
public:
    // The key's handle is its position among the opened keys, plus one.
    std::optional<std::uintptr_t> openKey(const std::string& path) {
        if (registry.count(path) == 0) return std::nullopt;
        openedKeys.push_back(path);
        return openedKeys.size();
    }

    // Status 6: no such handle; 2: no such value; 234: more data than fits.
    RegValue queryValue(std::uintptr_t key, const std::string& name, std::uint32_t bufferSize) {
        RegValue result;
        result.data.assign(bufferSize, 0);
        if (key == 0 || key > openedKeys.size()) { result.status = 6; return result; }
        const auto& values = registry[openedKeys[key - 1]];
        const auto found = values.find(name);
        if (found == values.end()) { result.status = 2; return result; }
        const MemoryRegistryValue& value = found->second;
        result.type = value.type;
        result.length = static_cast<std::uint32_t>(value.bytes.size());
        if (value.bytes.size() > bufferSize) { result.status = 234; return result; }
        std::copy(value.bytes.begin(), value.bytes.end(), result.data.begin());
        return result;
    }

    void closeKey() { ++closedKeys; }

    std::map<std::string, std::map<std::string, MemoryRegistryValue>> registry;
    std::vector<std::string> openedKeys;
    int closedKeys = 0;
};

}  // namespace velmor
