// Replays the fuzzer's corpus through the fuzz target in the ordinary build, so the
// inputs it found keep their round trips in every test run.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: fuzz-replay CORPUS_FOLDER\n";
        return 2;
    }
    long replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        ++replayed;
    }
    // The target aborts on a broken round trip, so reaching here means all held.
    std::cout << replayed << " passed, 0 failed\n";
    return replayed > 0 ? 0 : 1;
}
