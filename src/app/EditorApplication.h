#pragma once
// The desktop editor's application object. An allocation that fails while an
// event is handled (opening or drawing a huge chart, a command) is told to
// the user instead of ending the program with every other open chart.

#include <QApplication>

namespace loopora::app {

class EditorApplication : public QApplication {
public:
    EditorApplication(int& argc, char** argv) : QApplication(argc, argv) {}

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace loopora::app
