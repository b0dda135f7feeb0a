#include "app/PatternPanel.h"

#include "app/ChartReadings.h"
#include "app/QtText.h"
#include "pattern/PatternText.h"
#include "pattern/RoundMarks.h"
#include "platform/Texts.h"

#include <QTextBrowser>
#include <QTextBlock>
#include <QUrl>

namespace loopora::app {
namespace {

QString line(const QString& link, const std::string& text)
{
    return QStringLiteral("<p><a href=\"%1\">%2</a></p>").arg(link, qs(text).toHtmlEscaped());
}

} // namespace

PatternPanel::PatternPanel(QWidget* parent, ChartReadings& readings)
    : QDockWidget(parent), text_(new QTextBrowser), readings_(readings)
{
    setObjectName(QStringLiteral("pattern"));
    setWindowTitle(qs(_("Описание")));
    setAllowedAreas(Qt::AllDockWidgetAreas);
    // Lines are links to what they name, but read as plain text.
    text_->setOpenLinks(false);
    text_->document()->setDefaultStyleSheet(
        QStringLiteral("a { color: palette(text); text-decoration: none; } p { margin: 0 0 4px 0; }"));
    text_->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    connect(text_, &QTextBrowser::anchorClicked, this, &PatternPanel::choose);
    setWidget(text_);
}

void PatternPanel::refresh(CCanvas* canvas)
{
    canvas_ = canvas;
    if (isHidden())
        return;
    auto reading = canvas ? readings_.of(*canvas) : nullptr;
    if (reading == shown_ && !text_->document()->isEmpty())
        return;
    shown_ = std::move(reading);
    display();
}

void PatternPanel::showEvent(QShowEvent* event)
{
    QDockWidget::showEvent(event);
    // Edits made while it was hidden were not read.
    shown_.reset();
    text_->clear();
    refresh(canvas_);
}

void PatternPanel::display()
{
    setWindowTitle(qs(_("Описание")));
    if (!shown_) {
        text_->clear();
        return;
    }
    const pattern::PhraseBook& book = pattern::phraseBook(uiLanguage(), pattern::Terms::Us);
    const pattern::PatternText text = pattern::writePattern(*shown_, book);
    QString html;
    if (!text.foundation.empty())
        html += line(QStringLiteral("foundation"), text.foundation);
    for (size_t i = 0; i < text.rounds.size(); ++i)
        html += line(QStringLiteral("round:%1").arg(i + 1), text.rounds[i]);
    if (!shown_->warnings.empty()) {
        html += QStringLiteral("<p><b>%1</b></p>").arg(qs(_("Предупреждения")).toHtmlEscaped());
        // One warning a line, as the check prints them.
        const QStringList warnings = qs(pattern::checkText(*shown_, book)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const qsizetype first = warnings.size() - qsizetype(shown_->warnings.size());
        for (qsizetype i = 0; i < qsizetype(shown_->warnings.size()); ++i)
            html += line(QStringLiteral("warning:%1").arg(i), utf8(warnings.value(first + i)));
    }
    text_->setHtml(html);
}

QStringList PatternPanel::lines() const
{
    QStringList out;
    for (QTextBlock b = text_->document()->begin(); b.isValid(); b = b.next())
        if (!b.text().isEmpty())
            out.append(b.text());
    return out;
}

void PatternPanel::choose(const QUrl& link)
{
    if (!canvas_ || !shown_)
        return;
    const QString what = link.toString();
    std::vector<pattern::ElementPath> paths;
    bool ok = false;
    const int n = what.section(QLatin1Char(':'), 1).toInt(&ok);
    if (what.startsWith(QStringLiteral("round:")) && ok && n >= 1 && n <= int(shown_->rounds.size())) {
        for (const pattern::WorkedStitch& w : shown_->rounds[size_t(n - 1)].stitches)
            paths.push_back(w.path);
    } else if (what.startsWith(QStringLiteral("warning:")) && ok && n >= 0 && n < int(shown_->warnings.size())) {
        paths.push_back(shown_->warnings[size_t(n)].path);
    } else if (what == QStringLiteral("foundation")) {
        paths = shown_->foundation.chainPaths;
        if (paths.empty())
            paths.push_back(shown_->foundation.path);
    }
    const Rect before = canvas_->selection().getBounds();
    canvas_->select(nullptr, SelectMode::Replace);
    for (const pattern::ElementPath& path : paths)
        if (CChartElement* e = path.empty() ? nullptr : pattern::elementAt(*canvas_, path))
            canvas_->select(e, SelectMode::Add);
    canvas_->invalidate(Rect::united(before.inflated(5), canvas_->selection().getBounds().inflated(5)));
    emit selectionChanged();
}

} // namespace loopora::app
