#pragma once
// Qt's own dialogs and buttons (the file, print and colour dialogs, the
// overwrite question, standard buttons) in the interface language, whatever
// the desktop's language. While an object of this class lives, Qt's
// catalogue of that language is installed.

#include "platform/UiLanguage.h"

#include <QTranslator>

namespace loopora::app {

class QtTranslations {
public:
    explicit QtTranslations(Language language = Language::Russian);
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // False when Qt's texts are not to be had in the language: Qt's Russian
    // catalogue is not installed on this machine. Qt's own texts are English.
    bool loaded() const { return loaded_; }

private:
    QTranslator translator_;
    bool installed_ = false;
    bool loaded_ = false;
};

} // namespace loopora::app
