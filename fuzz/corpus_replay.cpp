// SPDX-License-Identifier: MIT
// Feeds files to a fuzz target without libFuzzer, so that the kept corpus and every reproducer
// run as an ordinary test under any compiler: corpus-replay FILE_OR_FOLDER...
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {

std::filesystem::path current;

// A broken property aborts inside the target: say which input it was.
extern "C" void nameTheInput(int) {
    const char *name = current.c_str();
    [[maybe_unused]] auto written = write(2, "input: ", 7);
    written = write(2, name, std::strlen(name));
    written = write(2, "\n", 1);
}

void feed(const std::filesystem::path &file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    current = file;
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
}

} // namespace

int main(int argc, char **argv) {
    namespace fs = std::filesystem;
    std::signal(SIGABRT, nameTheInput);
    std::size_t fed = 0;
    for (int i = 1; i < argc; ++i) {
        const fs::path path = argv[i];
        if (fs::is_directory(path)) {
            for (const auto &entry : fs::recursive_directory_iterator(path))
                if (entry.is_regular_file()) {
                    feed(entry.path());
                    ++fed;
                }
        } else if (fs::is_regular_file(path)) {
            feed(path);
            ++fed;
        } else {
            std::fprintf(stderr, "corpus-replay: no file or folder %s\n", path.c_str());
            return 2;
        }
    }
    std::printf("%zu inputs replayed\n", fed);
    return fed > 0 ? 0 : 1;
}
