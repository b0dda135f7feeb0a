#pragma once
// "О программе Loopora": the program's icon, its name and version, a credit
// line and OK.

#include <QDialog>

namespace loopora::app {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent);
};

} // namespace loopora::app
