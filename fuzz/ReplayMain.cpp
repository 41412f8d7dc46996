// A fuzz target without libFuzzer: its LLVMFuzzerTestOneInput is called on every file of the
// folders (or the files) given, so that the regression inputs of fuzz/corpus/ run as a plain
// test of the normal and the sanitizer builds. A target aborts on a fault; the file it was
// given is named before each call.
//   <target>_replay FOLDER_OR_FILE...
#include "platform/AtomicFile.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        fs::path given = argv[i];
        if (fs::is_directory(given)) {
            std::vector<fs::path> inside;
            for (const auto& entry : fs::directory_iterator(given)) {
                if (entry.is_regular_file()) {
                    inside.push_back(entry.path());
                }
            }
            std::sort(inside.begin(), inside.end());
            files.insert(files.end(), inside.begin(), inside.end());
        } else {
            files.push_back(given);
        }
    }
    if (files.empty()) {
        std::fprintf(stderr, "no inputs to replay: %s FOLDER_OR_FILE...\n", argc > 0 ? argv[0] : "replay");
        return 1;
    }
    for (const auto& file : files) {
        std::fprintf(stderr, "replaying %s\n", file.string().c_str());
        auto bytes = quelvarin::ReadFileBytes(file);
        if (!bytes) {
            std::fprintf(stderr, "cannot read %s\n", file.string().c_str());
            return 1;
        }
        // A buffer of the input's own size, so that a read past its end is caught by AddressSanitizer.
        auto data = std::make_unique<std::uint8_t[]>(bytes->size());
        std::memcpy(data.get(), bytes->data(), bytes->size());
        LLVMFuzzerTestOneInput(data.get(), bytes->size());
    }
    std::printf("%zu inputs replayed\n", files.size());
    return 0;
}
