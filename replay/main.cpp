// SPDX-License-Identifier: MIT
// liftcalc-replay [--locale NAME | --number-format DECIMAL GROUP MINUS] [FILE]
#include "platform/locale_format.h"
#include "replay/replay.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace {
constexpr const char *kUsage =
    "usage: liftcalc-replay [--locale NAME | --number-format DECIMAL GROUP MINUS] [FILE]\n";
}

int main(int argc, char **argv) {
    using namespace liftcalc;
    NumberFormat format = NumberFormat::english();
    const char *file = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--locale") == 0 && i + 1 < argc) {
            auto named = numberFormatNamed(argv[++i]);
            if (!named) {
                std::cerr << "liftcalc-replay: no locale is named '" << localeNameShown(argv[i])
                          << "'\n";
                return 2;
            }
            format = *named;
        } else if (std::strcmp(argv[i], "--number-format") == 0 && i + 3 < argc) {
            // Settings from elsewhere, such as a web browser's, whose locale data may differ.
            format = NumberFormat{argv[i + 1], argv[i + 2], argv[i + 3]};
            i += 3;
        } else if (std::strcmp(argv[i], "--help") == 0) {
            std::cout << kUsage;
            return 0;
        } else if (argv[i][0] == '-' && argv[i][1] != '\0') {
            std::cerr << kUsage;
            return 2;
        } else if (!file) {
            file = argv[i];
        } else {
            std::cerr << kUsage;
            return 2;
        }
    }

    std::ios::sync_with_stdio(false);
    Replay replay(format);
    if (!file)
        return replay.run(std::cin, std::cout) ? 0 : 1;
    std::ifstream in(file, std::ios::binary);
    std::error_code error;
    if (std::filesystem::is_directory(file, error)) {
        std::cerr << "liftcalc-replay: cannot read " << file << ": it is a folder\n";
        return 2;
    }
    if (!in) {
        std::cerr << "liftcalc-replay: cannot read " << file << ": " << std::strerror(errno)
                  << '\n';
        return 2;
    }
    return replay.run(in, std::cout) ? 0 : 1;
}
