#pragma once
// Switches the C library's numeric locale to Russian, whose decimal mark is a
// comma, as QApplication does on a Russian desktop; back to "C" when it goes.
// A machine without the compiled locale gets one built with localedef into a
// temporary folder, once per test program. available() is false only when
// neither works.

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace loopora::test {

class CommaLocale {
public:
    CommaLocale()
    {
        if (!tryLocale() && builtLocale().ready)
            tryLocale();
    }
    ~CommaLocale() { std::setlocale(LC_NUMERIC, "C"); }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    bool available() const { return available_; }

private:
    struct BuiltLocale {
        BuiltLocale()
        {
            folder = std::filesystem::temp_directory_path() / ("loopora-locale-" + std::to_string(::getpid()));
            std::filesystem::create_directories(folder);
            const std::string build =
                "localedef -i ru_RU -f UTF-8 '" + (folder / "ru_RU.UTF-8").string() + "' >/dev/null 2>&1";
            ready = std::system(build.c_str()) == 0 && ::setenv("LOCPATH", folder.c_str(), 1) == 0;
        }
        ~BuiltLocale()
        {
            std::error_code ignored;
            std::filesystem::remove_all(folder, ignored);
        }
        std::filesystem::path folder;
        bool ready = false;
    };

    static const BuiltLocale& builtLocale()
    {
        static const BuiltLocale built;
        return built;
    }

    bool tryLocale()
    {
        for (const char* name : {"ru_RU.UTF-8", "ru_RU.utf8"})
            if (std::setlocale(LC_NUMERIC, name) && std::localeconv()->decimal_point[0] == ',')
                return available_ = true;
        return false;
    }

    bool available_ = false;
};

} // namespace loopora::test
