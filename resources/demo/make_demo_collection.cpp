// Fills the main directory of a program directory with the demo sounds.
//
//   make_demo_collection LIBRARY_DIR
//
// The folder belongs to the user once it exists, so this program only ever adds or refreshes
// its own files: a demo file is written when it is missing, or when it is still exactly what
// an earlier run wrote (recorded by content hash in LIBRARY_DIR/.demo-manifest) and the sound
// has changed since. A demo file the user edited stays, and no other file is touched.

#include "DemoCatalogue.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <utility>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;
using Manifest = std::map<std::string, uint64_t>; // file name -> hash of what was written

constexpr const char* manifestName = ".demo-manifest";

uint64_t fnv1a(const Bytes& bytes) {
    uint64_t hash = 14695981039346656037ull;
    for (uint8_t byte : bytes)
        hash = (hash ^ byte) * 1099511628211ull;
    return hash;
}

std::optional<Bytes> readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Writes beside the target and renames, so an interrupted build never leaves half a file.
bool writeFileAtomically(const fs::path& path, const Bytes& bytes) {
    const fs::path temporary = path.string() + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::ssize(bytes));
        if (!out.flush())
            return false;
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    return !error;
}

// Lines "<hash> <file name>"; the name may contain blanks.
Manifest readManifest(const fs::path& path) {
    Manifest manifest;
    std::ifstream in(path);
    uint64_t hash = 0;
    std::string name;
    while (in >> std::hex >> hash && in.get() == ' ' && std::getline(in, name))
        manifest[name] = hash;
    return manifest;
}

bool writeManifest(const fs::path& path, const Manifest& manifest) {
    std::ostringstream text;
    for (const auto& [name, hash] : manifest)
        text << std::hex << hash << ' ' << name << '\n';
    const std::string content = text.str();
    return writeFileAtomically(path, Bytes(content.begin(), content.end()));
}

enum class Outcome { Written, UpToDate, KeptUserCopy, Failed };

Outcome placeDemoFile(const fs::path& path, const Bytes& wanted, const Manifest& previous) {
    const std::optional<Bytes> existing = readFile(path);
    if (existing && *existing == wanted)
        return Outcome::UpToDate;
    if (existing) {
        const auto entry = previous.find(path.filename().string());
        if (entry == previous.end() || entry->second != fnv1a(*existing))
            return Outcome::KeptUserCopy;
    }
    return writeFileAtomically(path, wanted) ? Outcome::Written : Outcome::Failed;
}

// Places every demo file; the result is the new manifest and the number of failed writes.
std::pair<Manifest, int> placeDemoCollection(const fs::path& library, const Manifest& previous) {
    Manifest current;
    int failures = 0;
    for (const demo::DemoFile& file : demo::demoCollection()) {
        const Bytes bytes = demo::encodeWav(file.sound, file.layout);
        switch (placeDemoFile(library / file.name, bytes, previous)) {
        case Outcome::Written:
        case Outcome::UpToDate:
            current[file.name] = fnv1a(bytes);
            break;
        case Outcome::KeptUserCopy:
            std::printf("keeping the changed copy of %s\n", file.name.c_str());
            break;
        case Outcome::Failed:
            std::fprintf(stderr, "cannot write %s\n", (library / file.name).c_str());
            ++failures;
        }
    }
    return {current, failures};
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s LIBRARY_DIR\n", argv[0]);
        return 2;
    }
    const fs::path library = argv[1];
    std::error_code error;
    fs::create_directories(library, error);
    if (error) {
        std::fprintf(stderr, "cannot create %s: %s\n", library.c_str(), error.message().c_str());
        return 1;
    }
    const auto [manifest, failures] =
        placeDemoCollection(library, readManifest(library / manifestName));
    if (!writeManifest(library / manifestName, manifest)) {
        std::fprintf(stderr, "cannot write %s\n", (library / manifestName).c_str());
        return 1;
    }
    return failures == 0 ? 0 : 1;
}
