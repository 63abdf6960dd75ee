// Reads a whole text file that may be hostile: only a regular file, only up to
// a size limit, without ever blocking on a pipe or a device.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace velmor {

// Nothing, with the reason in `error`, when `path` is not a regular file, holds
// more than `limit` bytes, contains a NUL byte (it is not text) or cannot be read.
std::optional<std::string> readTextFile(const std::string& path, std::size_t limit, std::string& error);

}  // namespace velmor
