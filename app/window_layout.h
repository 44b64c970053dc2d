// The windows as data: one row per control, in the words of the window
// definitions, from which the window layer builds the real controls.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/controls.h"

namespace ruvelka {

enum class ControlKind { GroupBox, PictureBox, Button, Label, AddressBox, EditBox, Hyperlink };

enum class TextEffect { None, Embossed, Engraved };

enum class TextAlign { LeftMiddle, CentreMiddle };

constexpr std::uint32_t Rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) |
           (static_cast<std::uint32_t>(b) << 16);
}
constexpr std::uint32_t kBlack = Rgb(0, 0, 0);
constexpr std::uint32_t kRed = Rgb(255, 0, 0);
constexpr std::uint32_t kBlue = Rgb(0, 0, 255);
constexpr std::uint32_t kOrange = Rgb(255, 128, 0);

struct Appearance {
    int songtiHeight = 0;  // 宋体 at this pixel height; 0 is the default interface font
    std::uint32_t colour = kBlack;
    TextEffect effect = TextEffect::None;
    bool sunkenEdge = false;
    TextAlign align = TextAlign::LeftMiddle;
};

struct ControlSpec {
    const char* name;    // the control's name in the window definition
    ControlKind kind;
    const char* parent;  // nullptr: the window itself
    int x, y, width, height;  // relative to the parent's client area
    const char* caption;
    Appearance look;
    bool tabStop;
    int dialogId;          // the child window identifier
    const char* link;      // hyperlinks: the web address
};

struct HyperlinkColours {
    std::uint32_t normal, visited, hover;
};

struct WindowSpec {
    const char* caption;
    int width, height;  // outer size, centred on the screen
    const ControlSpec* controls;
    std::size_t controlCount;
};

extern const WindowSpec kMainWindow;
extern const WindowSpec kAboutWindow;

// The main window's link colours (blue in every state) and the About window's.
extern const HyperlinkColours kMainLinkColours;
extern const HyperlinkColours kAboutLinkColours;

// The row of a control by name, or nullptr.
const ControlSpec* FindControlSpec(const WindowSpec& window, const char* name);

// The position of a control in the window's client area: its own offset plus
// the offsets of the group boxes that enclose it.
void ClientPosition(const WindowSpec& window, const ControlSpec& control, int* x, int* y);

// The main window row that stands for a control the commands address.
const ControlSpec* SpecForControl(ControlId id);

}  // namespace ruvelka
