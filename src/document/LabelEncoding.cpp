#include "document/LabelEncoding.h"

#include "elements/TextElement.h"
#include "platform/CodePage1251.h"
#include "platform/Utf8.h"

#include <algorithm>

namespace loopora {
namespace {

std::string lostCharacters(const std::string& text)
{
    std::u32string seen;
    std::string lost;
    for (size_t pos = 0; pos < text.size();) {
        const size_t start = pos;
        const char32_t cp = decodeUtf8(text, pos);
        if (fitsCp1251(std::string_view(text).substr(start, pos - start)) ||
            seen.find(cp) != std::u32string::npos)
            continue;
        seen += cp;
        if (!lost.empty())
            lost += ' ';
        appendUtf8(lost, cp);
    }
    return lost;
}

void collect(const CChartElement& e, std::vector<LabelLoss>& out)
{
    // What is deleted is not saved, so it loses nothing.
    if (e.isDeleted())
        return;
    if (const auto* label = dynamic_cast<const CTextElement*>(&e))
        if (std::string lost = lostCharacters(label->text()); !lost.empty())
            out.push_back({label->text(), std::move(lost)});
    for (const auto& c : e.children())
        collect(*c, out);
}

} // namespace

std::vector<LabelLoss> labelsLosingCharacters(const CCanvas& canvas)
{
    std::vector<LabelLoss> out;
    for (const auto& c : canvas.children())
        collect(*c, out);
    return out;
}

std::string describeLabelLosses(const std::vector<LabelLoss>& losses)
{
    std::string text;
    for (const LabelLoss& loss : losses) {
        // A label of several lines is shown on one.
        std::string shown = loss.text;
        std::erase(shown, '\r');
        std::replace(shown.begin(), shown.end(), '\n', ' ');
        text += "«" + shown + "»: " + loss.lost + "\n";
    }
    return text;
}

} // namespace loopora
