#include "view/dialogs/DialogModel.h"

#include "platform/CodePage1251.h"
#include "platform/DecimalText.h"
#include "platform/Texts.h"

#include <cerrno>
#include <cstdlib>

namespace loopora {

DialogModel::DialogModel(int resourceId, std::string title, std::vector<DialogField> fields,
                         std::vector<size_t> screenOrder, std::string okText, std::string cancelText)
    : resourceId_(resourceId), title_(std::move(title)), fields_(std::move(fields)),
      screenOrder_(std::move(screenOrder)), okText_(std::move(okText)), cancelText_(std::move(cancelText))
{
    if (screenOrder_.empty())
        for (size_t i = 0; i < fields_.size(); ++i)
            screenOrder_.push_back(i);
}

DialogField* DialogModel::find(std::string_view key)
{
    for (DialogField& f : fields_)
        if (f.key == key)
            return &f;
    return nullptr;
}

const DialogField* DialogModel::find(std::string_view key) const
{
    return const_cast<DialogModel*>(this)->find(key);
}

bool DialogModel::setFieldText(std::string_view key, std::string text)
{
    DialogField* f = find(key);
    if (!f)
        return false;
    f->text = std::move(text);
    return true;
}

namespace {

bool onlyBlanks(const char* p)
{
    while (*p == ' ' || *p == '\t')
        ++p;
    return *p == '\0';
}

} // namespace

std::optional<long long> parseInteger(const std::string& text)
{
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    long long v = std::strtoll(begin, &end, 10);
    if (end == begin || errno == ERANGE || !onlyBlanks(end))
        return std::nullopt;
    return v;
}

std::optional<FieldError> DialogModel::validate() const
{
    for (size_t i = 0; i < fields_.size(); ++i) {
        const DialogField& f = fields_[i];
        const std::string lowest = formatDecimal(f.minimum);
        const std::string highest = formatDecimal(f.maximum);
        switch (f.type) {
        case FieldType::Integer:
        case FieldType::Choice: {
            auto v = parseInteger(f.text);
            if (!v || double(*v) < f.minimum || double(*v) > f.maximum)
                return FieldError{i, withValues(_("«%1»: введите целое число от %2 до %3."), {f.label, lowest, highest})};
            break;
        }
        case FieldType::Real: {
            auto v = parseDecimal(f.text);
            if (!v || *v < f.minimum || *v > f.maximum)
                return FieldError{i, withValues(_("«%1»: введите число от %2 до %3."), {f.label, lowest, highest})};
            break;
        }
        case FieldType::Text:
            if (!fitsCp1251(f.text))
                return FieldError{i, withValues(_("«%1»: в тексте есть знаки, которые нельзя сохранить в схеме "
                                                  "(допустимы русские и латинские буквы, цифры и знаки)."),
                                                {f.label})};
            break;
        }
    }
    return std::nullopt;
}

} // namespace loopora
