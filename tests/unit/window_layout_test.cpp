#include "app/window_layout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/command_bindings.h"

namespace ruvelka {
namespace {

const WindowSpec* const kWindows[] = {&kMainWindow, &kAboutWindow};

TEST(WindowLayoutTest, EveryControlSitsInsideItsParent) {
    for (const WindowSpec* window : kWindows) {
        for (std::size_t i = 0; i < window->controlCount; ++i) {
            const ControlSpec& c = window->controls[i];
            if (c.parent == nullptr) continue;
            const ControlSpec* parent = FindControlSpec(*window, c.parent);
            ASSERT_NE(parent, nullptr) << c.name;
            EXPECT_EQ(parent->kind, ControlKind::GroupBox) << c.name;
            EXPECT_LE(c.x + c.width, parent->width) << c.name;
            EXPECT_LE(c.y + c.height, parent->height) << c.name;
        }
    }
}

TEST(WindowLayoutTest, IdentifiersAreUniqueAndClearOfDialogCommands) {
    for (const WindowSpec* window : kWindows) {
        std::set<int> ids;
        std::set<std::string> names;
        for (std::size_t i = 0; i < window->controlCount; ++i) {
            const ControlSpec& c = window->controls[i];
            EXPECT_TRUE(ids.insert(c.dialogId).second) << c.name;
            EXPECT_TRUE(names.insert(c.name).second) << c.name;
            // 1 and 2 are what Enter and Esc send.
            EXPECT_GT(c.dialogId, 2) << c.name;
        }
    }
}

TEST(WindowLayoutTest, TabStopsAreTheButtonsTheRouterBoxAndTheAddressBoxes) {
    for (std::size_t i = 0; i < kMainWindow.controlCount; ++i) {
        const ControlSpec& c = kMainWindow.controls[i];
        bool expected =
            c.kind == ControlKind::Button || c.kind == ControlKind::AddressBox || c.kind == ControlKind::EditBox;
        EXPECT_EQ(c.tabStop, expected) << c.name;
    }
    for (std::size_t i = 0; i < kAboutWindow.controlCount; ++i) EXPECT_FALSE(kAboutWindow.controls[i].tabStop);
}

TEST(WindowLayoutTest, PositionsAddTheEnclosingGroupBoxes) {
    int x = 0, y = 0;
    // IP编辑框1 sits at 74,14 in IP修改分组框 (8,22), itself in 网络管理分组框 (7,211).
    ClientPosition(kMainWindow, *FindControlSpec(kMainWindow, "IP编辑框1"), &x, &y);
    EXPECT_EQ(x, 7 + 8 + 74);
    EXPECT_EQ(y, 211 + 22 + 14);
    ClientPosition(kMainWindow, *FindControlSpec(kMainWindow, "标签5"), &x, &y);
    EXPECT_EQ(x, 18);
    EXPECT_EQ(y, 166);
}

TEST(WindowLayoutTest, EveryControlTheCommandsUseIsInTheMainWindow) {
    const ControlId ids[] = {ControlId::按钮1,      ControlId::标签2,     ControlId::标签4,
                             ControlId::标签5,      ControlId::IP编辑框1, ControlId::IP编辑框2,
                             ControlId::IP编辑框3,  ControlId::IP编辑框4, ControlId::IP修改获取信息,
                             ControlId::IP修改确定, ControlId::网关,      ControlId::按钮2,
                             ControlId::按钮3,      ControlId::按钮4};
    for (ControlId id : ids) EXPECT_NE(SpecForControl(id), nullptr);
    EXPECT_EQ(SpecForControl(ControlId::主窗口), nullptr);
}

TEST(CommandBindingsTest, SixButtonsEachBoundToACommand) {
    std::set<std::string> bound;
    for (std::size_t i = 0; i < kCommandBindingCount; ++i) {
        const CommandBinding& b = kCommandBindings[i];
        const ControlSpec* c = FindControlSpec(kMainWindow, b.control);
        ASSERT_NE(c, nullptr) << b.control;
        EXPECT_EQ(c->kind, ControlKind::Button) << b.control;
        EXPECT_NE(b.command, nullptr);
        bound.insert(b.control);
    }
    for (std::size_t i = 0; i < kMainWindow.controlCount; ++i) {
        const ControlSpec& c = kMainWindow.controls[i];
        if (c.kind == ControlKind::Button) {
            EXPECT_TRUE(bound.count(c.name)) << c.name << " has no command";
        }
    }
    EXPECT_EQ(CommandForControl("标签2"), nullptr);
}

}  // namespace
}  // namespace ruvelka
