// The registry reads behind the system-information launch. Windows answers
// from its own registry; elsewhere a small stand-in answers the program-path
// location with an installed system-information tool.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/platform.h"

namespace velmor::registry {

std::optional<std::uintptr_t> openKey(std::uint32_t root, const std::string& path, std::uint32_t access);
RegValue queryValue(std::uintptr_t key, const std::string& name, std::uint32_t bufferSize);
void closeKey(std::uintptr_t key);

}  // namespace velmor::registry
