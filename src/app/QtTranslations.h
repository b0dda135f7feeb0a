#pragma once
// Qt's own dialogs and buttons (the file, print and colour dialogs, the
// overwrite question, standard buttons) in Russian, the language of all the
// program's own texts whatever the desktop's language. While an object of
// this class lives, Qt's Russian catalogue is installed.

#include <QTranslator>

namespace loopora::app {

class QtTranslations {
public:
    QtTranslations();
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // False when Qt's Russian catalogue is not installed on this machine.
    bool loaded() const { return loaded_; }

private:
    QTranslator translator_;
    bool loaded_ = false;
};

} // namespace loopora::app
