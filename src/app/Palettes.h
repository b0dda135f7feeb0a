#pragma once
// The eight palettes of the main window, made from the command table in its
// order: button sizes, docking side, start-up visibility, one checkable
// button per command with its picture, status prompt and tool tip. Every
// palette docks on any side and floats.

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class QAction;
class QMainWindow;
class QToolBar;

namespace loopora::app {

class Palettes {
public:
    using Command = std::function<void(uint16_t)>;
    Palettes(QMainWindow& frame, const Command& command, bool largeIcons);

    // Palette 1 to 8.
    QToolBar* palette(int number) const { return bars_.at(size_t(number - 1)); }
    // The palette a View-menu item or hidden command shows and hides, or null.
    QToolBar* paletteOfToggle(uint16_t toggleCommand) const;
    // The first button of a command, or null.
    QAction* button(uint16_t id) const;

    // Every palette's buttons at twice today's size, or at today's.
    void setLargeIcons(bool large);
    bool largeIcons() const { return large_; }

    // Sets every button's pressed state: on exactly while its tool is current.
    void refresh(const std::function<bool(uint16_t)>& checked);

    // The title a palette shows while it floats.
    static QString title(int number);
    // A menu item's text without its keyboard mnemonic.
    static QString withoutMnemonic(QString text);

private:
    struct Button {
        uint16_t id;
        QAction* action;
        int palette; // 1..8
    };
    std::vector<QToolBar*> bars_;
    std::vector<uint16_t> toggles_;
    std::vector<Button> buttons_;
    bool large_ = false;
};

} // namespace loopora::app
