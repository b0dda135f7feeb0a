#pragma once
// A parameter dialog without a window: its fields (control id, label, type,
// range and value) in the order they are exchanged, with the values held as
// the text the controls show. Confirming checks the fields in that order and
// stops at the first bad one with the message the user sees; the window (or a
// script) keeps the dialog open and lets the user correct it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace loopora {

enum class FieldType {
    Integer, // an edit box holding a whole number
    Real,    // an edit box holding a number
    Text,    // a multi-line edit box; only texts a chart file can store are accepted
    Choice,  // a group of radio buttons; the value is the index of the checked one
};

struct DialogField {
    int controlId = 0;
    std::string key;   // the name scripts use: "count", "height", "rotate", ...
    std::string label; // the text beside the control
    FieldType type = FieldType::Integer;
    double minimum = 0;
    double maximum = 0;
    std::string text; // the control's content (for a choice, the index)
    std::vector<std::string> choices; // the radio buttons' texts
};

struct FieldError {
    size_t field; // index in exchange order
    std::string message;
};

class DialogModel {
public:
    DialogModel(int resourceId, std::string title, std::vector<DialogField> fields, std::vector<size_t> screenOrder,
                std::string okText, std::string cancelText);

    int resourceId() const { return resourceId_; }
    const std::string& title() const { return title_; }
    const std::string& okText() const { return okText_; }
    // Empty when the dialog has no cancel button (it is cancelled by closing it).
    const std::string& cancelText() const { return cancelText_; }

    const std::vector<DialogField>& fields() const { return fields_; }
    // Field indexes in the order the controls stand on the dialog.
    const std::vector<size_t>& screenOrder() const { return screenOrder_; }
    // The field a window or a script names, or null. Commands read the
    // values through the dialog's own reader (Dialogs.h), never by key.
    DialogField* find(std::string_view key);
    const DialogField* find(std::string_view key) const;

    // What the user typed, as text; false for an unknown key.
    bool setFieldText(std::string_view key, std::string text);

    // Checks every field in exchange order; the first failure, or nothing.
    std::optional<FieldError> validate() const;

private:
    int resourceId_;
    std::string title_;
    std::vector<DialogField> fields_;
    std::vector<size_t> screenOrder_;
    std::string okText_;
    std::string cancelText_;
};

// Parsing as the dialogs do: surrounding blanks allowed, nothing else after the
// number. Decimals are read and written by platform/DecimalText, whatever the locale.
std::optional<long long> parseInteger(const std::string& text);

} // namespace loopora
