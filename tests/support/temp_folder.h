// A temporary folder of the running test's own: ctest runs the tests as
// separate processes, several at once, so no two of them share a path.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace velmor::testing {

inline std::filesystem::path testFolder(const std::string& prefix) {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const auto folder = std::filesystem::path(::testing::TempDir()) /
                        (prefix + "_" + test->name() + "_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    return folder;
}

}  // namespace velmor::testing
