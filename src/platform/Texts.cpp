#include "platform/Texts.h"

#include "BuildInfo.h"

#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace loopora {
namespace {

constexpr const char* kDomain = "loopora";

bool holdsEnglish(const std::filesystem::path& folder)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(folder / "en" / "LC_MESSAGES" / "loopora.mo", ec);
}

} // namespace

const char* _(const char* russian)
{
    // An empty key would fetch the catalogue's header.
    if (uiLanguage() == Language::Russian || !russian || !*russian)
        return russian;
    return dgettext(kDomain, russian);
}

std::string withValues(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    std::string out;
    out.reserve(pattern.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const size_t n = size_t(pattern[i + 1] - '1');
            if (n < values.size()) {
                out += values.begin()[n];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::optional<std::string> catalogueFolderFor(const std::string& program, const std::string& buildFolder)
{
    if (!program.empty()) {
        const std::filesystem::path installed =
            std::filesystem::path(program).parent_path() / std::string(kCatalogueFolderFromPrograms);
        if (holdsEnglish(installed))
            return installed.lexically_normal().string();
    }
    // Not installed: the programs and tests of a build tree read its own catalogue.
    if (!buildFolder.empty() && holdsEnglish(buildFolder))
        return buildFolder;
    return std::nullopt;
}

std::optional<std::string> catalogueFolder()
{
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    return catalogueFolderFor(ec ? std::string() : program.string(), std::string(kBuildCatalogueFolder));
}

bool speakLanguage(Language language)
{
    const std::optional<std::string> folder =
        language == Language::English ? catalogueFolder() : std::optional<std::string>();
    // Without its English catalogue the program speaks Russian throughout,
    // symbol names included, rather than a mixture.
    setUiLanguage(folder ? language : Language::Russian);
    if (!folder)
        return language == Language::Russian;
    bindtextdomain(kDomain, folder->c_str());
    // The catalogue's texts come back as UTF-8, whatever the locale's character set.
    bind_textdomain_codeset(kDomain, "UTF-8");
    // LANGUAGE picks the catalogue whatever the desktop's language is, but
    // gettext reads it only when the messages locale is not plain "C".
    setenv("LANGUAGE", "en", 1);
    const char* messages = std::setlocale(LC_MESSAGES, nullptr);
    if (!messages || std::strcmp(messages, "C") == 0 || std::strcmp(messages, "POSIX") == 0)
        std::setlocale(LC_MESSAGES, "C.UTF-8");
    return true;
}

} // namespace loopora
