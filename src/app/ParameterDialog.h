#pragma once
// One dialog class for the seven parameter dialogs: it is built from a
// DialogModel (title, labels, controls in their order on screen, button
// texts). OK writes what the controls hold into the model and lets the model
// check it; a refused value shows the model's message, puts the focus back
// into that field and keeps the dialog open.

#include "view/dialogs/DialogModel.h"

#include <QDialog>

#include <vector>

class QButtonGroup;
class QLineEdit;
class QPlainTextEdit;
class QFormLayout;

namespace loopora::app {

class ParameterDialog : public QDialog {
    Q_OBJECT
public:
    ParameterDialog(DialogModel& model, QWidget* parent);

    // Runs the dialog modally; true when the values were confirmed and accepted.
    static bool run(DialogModel& model, QWidget* parent);

    void accept() override;

private:
    // The control of one field; exactly one of the three pointers is set.
    struct Control {
        size_t field = 0;
        QLineEdit* line = nullptr;
        QPlainTextEdit* text = nullptr;
        QButtonGroup* choice = nullptr;
    };

    void addControl(size_t field, QFormLayout& form);
    std::string valueOf(const Control& control) const;
    void focus(const Control& control);

    DialogModel& model_;
    std::vector<Control> controls_;
};

} // namespace loopora::app
