#pragma once
// The interface language chosen in the View menu, kept in the settings for
// the runs to come. The command line's --lang outweighs it for one run.

#include "platform/UiLanguage.h"

#include <optional>

namespace loopora::app {

std::optional<Language> savedLanguage();
void saveLanguage(Language language);

} // namespace loopora::app
