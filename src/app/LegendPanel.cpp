#include "app/LegendPanel.h"

#include "app/PaletteIcons.h"
#include "app/QtText.h"
#include "document/LegendText.h"

#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace loopora::app {
namespace {

constexpr int kPictureSize = 32;

bool sameKey(const Legend& a, const Legend& b)
{
    return a.chart == b.chart && a.selection == b.selection && a.hasSelection == b.hasSelection;
}

} // namespace

LegendPanel::LegendPanel(QWidget* parent) : QDockWidget(parent), table_(new QTreeWidget), totals_(new QLabel)
{
    setObjectName(QStringLiteral("legend"));
    setWindowTitle(qs(legendWords(uiLanguage()).title));
    setAllowedAreas(Qt::AllDockWidgetAreas);
    table_->setRootIsDecorated(false);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->setIconSize(QSize(kPictureSize, kPictureSize));
    table_->setColumnCount(5);
    table_->setTextElideMode(Qt::ElideMiddle);
    table_->header()->setStretchLastSection(false);
    table_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->header()->setSectionResizeMode(Name, QHeaderView::Stretch);
    totals_->setWordWrap(true);
    totals_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(table_);
    layout->addWidget(totals_);
    setWidget(body);
    refresh(nullptr);
}

void LegendPanel::refresh(const CCanvas* canvas)
{
    canvas_ = canvas;
    if (isHidden())
        return;
    const Legend legend = canvas ? makeLegend(*canvas) : Legend{};
    if (shown_ && sameKey(*shown_, legend) && shownLanguage_ == uiLanguage())
        return;
    display(legend);
}

void LegendPanel::showEvent(QShowEvent* event)
{
    QDockWidget::showEvent(event);
    // Edits made while it was hidden were not counted.
    shown_.reset();
    fittedTo_ = 0;
    refresh(canvas_);
}

int LegendPanel::wantedWidth() const
{
    // The tree view keeps its columns' wanted widths to itself; every item view tells them.
    const QAbstractItemView& view = *table_;
    int columns = 0;
    for (int c = 0; c < table_->columnCount(); ++c)
        if (!table_->isColumnHidden(c))
            columns += std::max(view.sizeHintForColumn(c), table_->header()->sectionSizeHint(c));
    // The table's frame and a vertical scroll bar, the body's margins and the panel's own frame.
    const int scrollBar = table_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table_);
    const int wanted = columns + 2 * table_->frameWidth() + scrollBar + 8 + (width() - widget()->width());
    // However long the names, the charts keep a third of the window at least.
    const QWidget* window = parentWidget();
    return window && !isFloating() ? std::min(wanted, window->width() * 2 / 3) : wanted;
}

void LegendPanel::fitRows()
{
    if (isHidden())
        return;
    const int wanted = wantedWidth();
    // A panel the user narrowed stays so until its rows need more than before.
    const bool needsMore = wanted > fittedTo_;
    fittedTo_ = std::max(fittedTo_, wanted);
    if (!needsMore || wanted <= width())
        return;
    auto* window = qobject_cast<QMainWindow*>(parentWidget());
    if (isFloating() || !window)
        resize(wanted, height());
    else
        window->resizeDocks({this}, {wanted}, Qt::Horizontal);
}

void LegendPanel::display(const Legend& legend)
{
    const Language language = uiLanguage();
    const LegendWords& words = legendWords(language);
    setWindowTitle(qs(words.title));
    table_->setHeaderLabels({QString(), qs(words.abbreviation), qs(words.name), qs(words.inChart), qs(words.inSelection)});
    table_->setColumnHidden(InSelection, !legend.hasSelection);
    table_->clear();
    for (const LegendRow& row : legend.rows) {
        const HumanName& name = humanName(*row.type, language);
        auto* item = new QTreeWidgetItem(table_);
        item->setIcon(Picture, pictureOf(row.type->id));
        item->setText(Abbreviation, qs(name.abbreviation));
        item->setText(Name, qs(name.name));
        item->setToolTip(Name, qs(name.name));
        item->setText(InChart, QString::number(row.inChart));
        item->setText(InSelection, QString::number(row.inSelection));
        item->setTextAlignment(InChart, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(InSelection, Qt::AlignRight | Qt::AlignVCenter);
        item->setData(Picture, Qt::UserRole, row.type->id);
    }
    QString totals = qs(totalsText(legend.chart, language));
    if (legend.hasSelection)
        totals += QStringLiteral("\n") + qs(words.inSelection) + QStringLiteral(": ") +
                  qs(totalsText(legend.selection, language));
    totals_->setText(totals);
    shown_ = legend;
    shownLanguage_ = language;
    // Once the new rows are laid out.
    QMetaObject::invokeMethod(this, &LegendPanel::fitRows, Qt::QueuedConnection);
}

QIcon LegendPanel::pictureOf(int32_t typeId)
{
    auto it = pictures_.find(typeId);
    if (it == pictures_.end())
        it = pictures_.emplace(typeId, QIcon(QPixmap::fromImage(
                                           symbolPicture(typeId, QSize(kPictureSize, kPictureSize), 1))))
                 .first;
    return it->second;
}

} // namespace loopora::app
