#pragma once

#include "DemoWav.h"

#include <string>
#include <vector>

namespace demo {

struct DemoFile {
    std::string name; // file name in the main directory, extension included
    WavLayout layout;
    Sound sound;
};

// The sounds a fresh program directory starts with: pleasant, short, and together covering
// the channel counts, rates, sample formats and header layouts the program meets in the wild.
std::vector<DemoFile> demoCollection();

} // namespace demo
