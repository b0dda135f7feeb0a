#include "app/ParameterDialog.h"

#include "app/Prompts.h"
#include "app/QtText.h"
#include "app/TitleRoom.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace loopora::app {

ParameterDialog::ParameterDialog(DialogModel& model, QWidget* parent) : QDialog(parent), model_(model)
{
    setWindowTitle(qs(model.title()));
    auto* column = new QVBoxLayout(this);
    // One form, so that the edit boxes of consecutive fields line up.
    auto* form = new QFormLayout;
    column->addLayout(form);
    for (size_t field : model.screenOrder())
        addControl(field, *form);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = new QPushButton(qs(model.okText()), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &ParameterDialog::accept);
    buttons->addWidget(ok);
    // Without a cancel button the dialog is cancelled by closing it or by Esc.
    if (!model.cancelText().empty()) {
        auto* cancel = new QPushButton(qs(model.cancelText()), this);
        cancel->setObjectName(QStringLiteral("cancel"));
        cancel->setAutoDefault(false);
        connect(cancel, &QPushButton::clicked, this, &ParameterDialog::reject);
        buttons->addWidget(cancel);
    }
    column->addLayout(buttons);
    keepTitleShown(*this);
}

void ParameterDialog::addControl(size_t index, QFormLayout& form)
{
    const DialogField& field = model_.fields()[index];
    Control control;
    control.field = index;
    const QString key = qs(field.key);
    switch (field.type) {
    case FieldType::Integer:
    case FieldType::Real: {
        control.line = new QLineEdit(qs(field.text), this);
        control.line->setObjectName(key);
        form.addRow(new QLabel(qs(field.label), this), control.line);
        break;
    }
    case FieldType::Text: {
        // Multi-line: Enter starts a new line instead of pressing OK.
        form.addRow(new QLabel(qs(field.label), this));
        control.text = new QPlainTextEdit(fromChartLines(field.text), this);
        control.text->setObjectName(key);
        control.text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        form.addRow(control.text);
        break;
    }
    case FieldType::Choice: {
        auto* box = new QGroupBox(qs(field.label), this);
        box->setObjectName(key);
        auto* radios = new QVBoxLayout(box);
        control.choice = new QButtonGroup(box);
        const auto checked = parseInteger(field.text);
        for (size_t i = 0; i < field.choices.size(); ++i) {
            auto* radio = new QRadioButton(qs(field.choices[i]), box);
            radio->setChecked(checked && *checked == static_cast<long long>(i));
            control.choice->addButton(radio, int(i));
            radios->addWidget(radio);
        }
        form.addRow(box);
        break;
    }
    }
    controls_.push_back(control);
}

std::string ParameterDialog::valueOf(const Control& control) const
{
    if (control.line)
        return utf8(control.line->text());
    if (control.text)
        return toChartLines(control.text->toPlainText());
    // No radio checked gives -1, which the model refuses like any bad number.
    return std::to_string(control.choice->checkedId());
}

void ParameterDialog::focus(const Control& control)
{
    if (control.line) {
        control.line->setFocus();
        control.line->selectAll();
    } else if (control.text) {
        control.text->setFocus();
    } else if (QAbstractButton* first = control.choice->buttons().value(0)) {
        first->setFocus();
    }
}

void ParameterDialog::accept()
{
    for (const Control& control : controls_)
        model_.setFieldText(model_.fields()[control.field].key, valueOf(control));
    if (auto error = model_.validate()) {
        showMessage(this, qs(error->message));
        for (const Control& control : controls_)
            if (control.field == error->field)
                focus(control);
        return;
    }
    QDialog::accept();
}

bool ParameterDialog::run(DialogModel& model, QWidget* parent)
{
    ParameterDialog dialog(model, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace loopora::app
