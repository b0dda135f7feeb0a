// A script of any bytes runs through the script runner, as `loopora-cli
// script` runs it, in a folder of its own that is emptied after every script.
// The folder is in memory where the system offers it: a saved chart is synced,
// and a busy disk must not make a script look slow.
// A line holding a '/' is left out (kept blank, so line numbers stay): it
// could name a file outside that folder, and a script may save and export.
// Paths given to the fuzzer (corpus, artifacts) must therefore be absolute.

#include "cli/ScriptRunner.h"
#include "document/ElementTypes.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include <unistd.h>

namespace {

std::filesystem::path folder;

void removeFolder() { std::filesystem::remove_all(folder); }

std::string withoutPaths(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    size_t lineStart = 0;
    bool slash = false;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n') {
            if (slash)
                text.replace(lineStart, i - lineStart, i - lineStart, ' ');
            lineStart = i + 1;
            slash = false;
        } else if (text[i] == '/') {
            slash = true;
        }
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    loopora::installElementTypes();
    std::error_code ec;
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm", ec) ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path();
    std::string name = (base / "loopora-fuzz-XXXXXX").string();
    if (!mkdtemp(name.data()) || chdir(name.c_str()) != 0)
        std::abort();
    folder = name;
    std::atexit(removeFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::istringstream script(withoutPaths(data, size));
    std::ostringstream out;
    std::ostringstream err;
    {
        loopora::cli::ScriptRunner runner({400, 300}, out);
        runner.run(script, err);
    }
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        std::filesystem::remove_all(entry.path());
    return 0;
}
