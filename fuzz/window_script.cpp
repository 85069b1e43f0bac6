// SPDX-License-Identifier: MIT
// Writes a window fuzz input as the liftcalc-replay script it stands for, so that a reproducer
// can be read and replayed: window-script FILE
#include "fuzz/action_script.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: window-script FILE\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "window-script: cannot read %s\n", argv[1]);
        return 2;
    }
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
    const auto script = liftcalc::fuzz::decodeActions(bytes);
    std::printf("# liftcalc-replay --locale %.*s\n", static_cast<int>(script.locale.size()),
                script.locale.data());
    for (const auto &action : script.actions)
        std::printf("%s\n", liftcalc::fuzz::replayLine(action).c_str());
}
