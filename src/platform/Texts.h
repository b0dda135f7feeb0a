#pragma once
// The program's own texts in the interface language, GNU gettext's way: the
// Russian text is the key, and English comes from the "loopora" catalogue
// compiled from po/en.po. In Russian the key is the text, so Russian needs no
// catalogue and never depends on the desktop's locale.
//
// Texts written into tables are marked with N_ and put through _ where they
// are shown; xgettext collects both marks (po/ tells how).

#include "platform/UiLanguage.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace loopora {

// The text in the interface language. The result lives as long as the program.
const char* _(const char* russian);
// Marks a text in a table for translation where it is used.
constexpr const char* N_(const char* russian) { return russian; }

// The pattern with %1, %2, ... replaced by the values, so that a translation
// may put them where its own word order wants them.
std::string withValues(std::string_view pattern, std::initializer_list<std::string_view> values);

// Makes the language the interface language, and for English finds the
// catalogue and points gettext at it. False when English was asked for and
// its catalogue is not there: the texts then stay Russian.
bool speakLanguage(Language language);

// The folder holding <language>/LC_MESSAGES/loopora.mo: beside the installed
// programs, else in the build tree the program was built in; nothing when
// neither has the English catalogue.
std::optional<std::string> catalogueFolder();
// The same for a program at that path and a build tree's catalogue folder.
std::optional<std::string> catalogueFolderFor(const std::string& program, const std::string& buildFolder);

} // namespace loopora
