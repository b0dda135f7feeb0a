#include "app/Palettes.h"

#include "app/PaletteIcons.h"
#include "app/QtText.h"
#include "platform/Texts.h"
#include "view/CommandTable.h"

#include <QAction>
#include <QMainWindow>
#include <QRegularExpression>
#include <QToolBar>

namespace loopora::app {

QString Palettes::title(int number)
{
    // Palettes 7 and 8 have no View-menu item to lend them a name.
    if (number == 7)
        return qs(_("Группы столбиков с 2 накидами"));
    if (number == 8)
        return qs(_("Группы столбиков с 3 накидами"));
    return withoutMnemonic(qs(_(palettes().at(size_t(number - 1)).menuText)));
}

QString Palettes::withoutMnemonic(QString text)
{
    // "Панель инструментов (&T)" and "&Toolbar" both name "the toolbar".
    static const QRegularExpression kBracketed(QStringLiteral("\\s*\\(&[^)]\\)"));
    text.remove(kBracketed);
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text.trimmed();
}

namespace {

// Large icons are twice today's in each direction, drawn afresh at that size.
QSize iconSize(const PaletteInfo& info, bool large)
{
    const int scale = large ? 2 : 1;
    return {info.buttonWidth * scale, info.buttonHeight * scale};
}

} // namespace

Palettes::Palettes(QMainWindow& frame, const Command& command, bool largeIcons) : large_(largeIcons)
{
    bool firstTop = true;
    for (const PaletteInfo& info : palettes()) {
        auto* bar = new QToolBar(title(info.number), &frame);
        bar->setObjectName(QStringLiteral("palette%1").arg(info.number));
        bar->setIconSize(iconSize(info, large_));
        bar->setAllowedAreas(Qt::AllToolBarAreas);
        bar->setFloatable(true);
        bar->setMovable(true);
        for (uint16_t id : info.buttons) {
            if (id == 0) {
                bar->addSeparator();
                continue;
            }
            QAction* action = bar->addAction(paletteIcon(id, bar->iconSize()), QString());
            const QString tip = qs(buttonToolTip(id, uiLanguage()));
            action->setText(tip.section(QLatin1Char('\n'), 0, 0));
            action->setToolTip(tip);
            action->setStatusTip(qs(statusPrompt(id)));
            action->setCheckable(true);
            action->setData(int(id));
            QObject::connect(action, &QAction::triggered, &frame, [command, id] { command(id); });
            buttons_.push_back({id, action, info.number});
        }
        // Each top palette starts a row of its own, as docked bars always did.
        if (info.side == DockSide::Left) {
            frame.addToolBar(Qt::LeftToolBarArea, bar);
        } else {
            if (!firstTop)
                frame.addToolBarBreak(Qt::TopToolBarArea);
            firstTop = false;
            frame.addToolBar(Qt::TopToolBarArea, bar);
        }
        bar->setVisible(info.visibleAtStart);
        bars_.push_back(bar);
        toggles_.push_back(info.toggleCommand);
    }
}

QToolBar* Palettes::paletteOfToggle(uint16_t toggleCommand) const
{
    for (size_t i = 0; i < toggles_.size(); ++i)
        if (toggles_[i] == toggleCommand)
            return bars_[i];
    return nullptr;
}

QAction* Palettes::button(uint16_t id) const
{
    for (const Button& b : buttons_)
        if (b.id == id)
            return b.action;
    return nullptr;
}

void Palettes::setLargeIcons(bool large)
{
    if (large == large_)
        return;
    large_ = large;
    for (const PaletteInfo& info : palettes())
        palette(info.number)->setIconSize(iconSize(info, large));
    for (const Button& b : buttons_)
        b.action->setIcon(paletteIcon(b.id, palette(b.palette)->iconSize()));
}

void Palettes::refresh(const std::function<bool(uint16_t)>& checked)
{
    for (const Button& b : buttons_)
        b.action->setChecked(checked(b.id));
}

} // namespace loopora::app
