#include "app/LegendPanel.h"

#include "app/PaletteIcons.h"
#include "app/QtText.h"
#include "document/LegendText.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

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
    refresh(canvas_);
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
