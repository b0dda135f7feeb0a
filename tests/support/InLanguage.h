#pragma once
// The interface language for one test: English (or Russian) while the object
// lives, Russian again after it, as every other test expects.

#include "platform/Texts.h"

namespace loopora::test {

class InLanguage {
public:
    explicit InLanguage(Language language) { spoken_ = speakLanguage(language); }
    ~InLanguage() { speakLanguage(Language::Russian); }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;

    // False when the English catalogue was not found.
    bool spoken() const { return spoken_; }

private:
    bool spoken_ = false;
};

} // namespace loopora::test
