// The registry through advapi32, on Windows only.
#ifdef _WIN32
#include <windows.h>

#include "app/ui/registry.h"

namespace velmor::registry {
namespace {

// Root handle values such as 0x80000002 are sign-extended into a handle.
HKEY rootHandle(std::uint32_t root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

}  // namespace

std::optional<std::uintptr_t> openKey(std::uint32_t root, const std::string& path, std::uint32_t access) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(rootHandle(root), path.c_str(), 0, access, &key) != ERROR_SUCCESS) return std::nullopt;
    return reinterpret_cast<std::uintptr_t>(key);
}

RegValue queryValue(std::uintptr_t key, const std::string& name, std::uint32_t bufferSize) {
    RegValue value;
    value.data.assign(bufferSize, 0);
    DWORD type = 0;
    DWORD length = bufferSize;
    value.status = RegQueryValueExA(reinterpret_cast<HKEY>(key), name.c_str(), nullptr, &type,
                                    value.data.data(), &length);
    value.type = type;
    value.length = length;
    return value;
}

void closeKey(std::uintptr_t key) { RegCloseKey(reinterpret_cast<HKEY>(key)); }

}  // namespace velmor::registry
#endif
