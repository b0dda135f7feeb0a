#pragma once
// Label texts a chart file cannot hold as they are. Files keep texts in
// Windows-1251; a label read from a file's 16-bit text form may hold other
// characters, which saving would turn into "?". Before saving, the user is
// told which label loses which characters.

#include "document/Canvas.h"

#include <string>
#include <vector>

namespace loopora {

struct LabelLoss {
    std::string text; // the label's text
    std::string lost; // the characters it loses, each once, in order, separated by blanks
};

// The labels that would be saved with characters replaced, in tree order.
std::vector<LabelLoss> labelsLosingCharacters(const CCanvas& canvas);

// One line per label: «text»: lost characters.
std::string describeLabelLosses(const std::vector<LabelLoss>& losses);

} // namespace loopora
