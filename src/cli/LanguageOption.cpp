// --lang: the language of everything the program says, taken from the
// arguments of any command.

#include "cli/Commands.h"
#include "platform/Texts.h"

#include <iostream>

namespace loopora::cli {

bool takeLanguage(Args& args)
{
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--lang")
            continue;
        const auto language = i + 1 < args.size() ? languageOfCode(args[i + 1]) : std::nullopt;
        if (!language) {
            std::cerr << "loopora-cli: --lang takes ru or en\n";
            return false;
        }
        if (!speakLanguage(*language))
            std::cerr << "loopora-cli: the English texts (loopora.mo) are not installed; messages stay Russian\n";
        args.erase(args.begin() + std::ptrdiff_t(i), args.begin() + std::ptrdiff_t(i) + 2);
        return true;
    }
    return true;
}

} // namespace loopora::cli
