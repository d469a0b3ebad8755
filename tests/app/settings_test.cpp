#include "capture_state.h"
#include "child_frame.h"
#include "command.h"
#include "same_rect.h"
#include "settings.h"
#include "test_app.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

TEST(SettingsTest, EachEdgeOffTheScreenMovesToTheScreensEdge)
{
    const RECT screen{0, 0, 1280, 1024};
    const std::vector<std::pair<RECT, RECT>> cases = {
        {{0, 0, 640, 400}, {0, 0, 640, 400}},            // the defaults
        {{0, 0, 1280, 1024}, {0, 0, 1280, 1024}},        // on the edges: inclusive
        {{1500, 10, 1900, 300}, {0, 10, 1280, 300}},     // left and right beyond the right edge
        {{-5, -1, 300, 200}, {0, 0, 300, 200}},          // left and top before the screen
        {{100, 100, 500, 1100}, {100, 100, 500, 1024}},  // bottom below the screen
        {{100, 1100, 500, -3}, {100, 0, 500, 1024}},     // top below, bottom above
        {{100, 100, -20, 300}, {100, 100, 1280, 300}},   // right left of the screen
    };
    for (const auto& [saved, expected] : cases)
        EXPECT_TRUE(SameRect(ClampToScreen(saved, screen), expected));
}

TEST(SettingsTest, PlacementAndOptionsPersistAsStored)
{
    ForgetProfile();
    const Profile profile(L"Quon", L"Quillscape");
    EXPECT_TRUE(SameRect(LoadFramePlacement(profile), RECT{0, 0, 640, 400}));
    EXPECT_FALSE(StartsMaximised(profile));
    LoadOptionFlags(profile);
    EXPECT_EQ((std::vector<int32_t>{DelSpcLinFlg, DelSpcColFlg, CutUnderLine, NoMuitiLine}),
              (std::vector<int32_t>{1, 1, 1, 0}));

    SaveFramePlacement(profile, RECT{10, 20, 410, 320}, true);
    EXPECT_EQ(profile.GetInt(L"Settei", L"top", -1), 20) << "the key is stored in lower case";
    EXPECT_TRUE(SameRect(LoadFramePlacement(profile), RECT{10, 20, 410, 320}));
    EXPECT_TRUE(StartsMaximised(profile));
    profile.WriteInt(L"Settei", L"Zoom", 2);
    EXPECT_FALSE(StartsMaximised(profile)) << "only exactly 1 means maximised";

    // Odd values are kept as they are, both ways.
    profile.WriteInt(L"Settei", L"CutUnderLine", 7);
    profile.WriteInt(L"Settei", L"NoMuitiLine", -1);
    LoadOptionFlags(profile);
    EXPECT_EQ(CutUnderLine, 7);
    EXPECT_EQ(NoMuitiLine, -1);
    SaveOptionFlags(profile);
    EXPECT_EQ(profile.GetInt(L"Settei", L"CutUnderLine", 0), 7);
    EXPECT_EQ(profile.GetInt(L"Settei", L"NoMuitiLine", 0), -1);
    ResetCaptureState();
    ForgetProfile();
}

TEST(ChildFrameSizeTest, FollowsThePictureWithinTheMainClientArea)
{
    const LONG frameX = 2 * GetSystemMetrics(SM_CXDLGFRAME);
    const LONG frameY = GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYDLGFRAME);
    const RECT roomy{0, 0, 2000, 2000};
    const SIZE picture = ChildFrameSize(100, 20, roomy);
    EXPECT_EQ(picture.cx, 650 + frameX);
    EXPECT_EQ(picture.cy, 290 + frameY);
    const SIZE empty = ChildFrameSize(0, 0, roomy);
    EXPECT_EQ(empty.cx, 50 + frameX);
    EXPECT_EQ(empty.cy, 50 + frameY);

    const RECT small{0, 0, 400, 300};
    const SIZE held = ChildFrameSize(800, 1000, small);
    EXPECT_EQ(held.cx, 400) << "as wide as the client area";
    EXPECT_EQ(held.cy, 300 - 64) << "64 pixels less high than the client area";
}

// A target that takes the ids it was made with, in the state it was given.
class FakeTarget : public CommandTarget {
public:
    FakeTarget(std::vector<UINT> ids, bool enabled) : ids_(std::move(ids)), enabled_(enabled) {}
    bool QueryCommand(UINT id, CommandState* state) override
    {
        for (UINT taken : ids_) {
            if (taken == id) {
                state->enabled = enabled_;
                return true;
            }
        }
        return false;
    }
    void ExecuteCommand(UINT id) override { executed.push_back(id); }
    std::vector<UINT> executed;

private:
    std::vector<UINT> ids_;
    bool enabled_;
};

TEST(CommandRouteTest, TheFirstTargetThatTakesACommandDecides)
{
    FakeTarget view({1, 2}, true);
    FakeTarget document({2, 3}, true);
    FakeTarget frame({4}, false);
    FakeTarget app({3, 4, 5}, true);
    const CommandRoute route{&view, nullptr, &document, &frame, &app};

    EXPECT_TRUE(RouteCommand(route, 2));
    EXPECT_EQ(view.executed, std::vector<UINT>{2}) << "the view comes before the document";
    EXPECT_TRUE(RouteCommand(route, 3));
    EXPECT_EQ(document.executed, std::vector<UINT>{3});
    EXPECT_TRUE(app.executed.empty()) << "a later target is not asked once one took it";

    EXPECT_FALSE(StateOfCommand(route, 4).enabled) << "the frame takes 4 and disables it";
    EXPECT_FALSE(RouteCommand(route, 4));
    EXPECT_TRUE(app.executed.empty()) << "a disabled command goes no further";

    EXPECT_FALSE(StateOfCommand(route, 9).enabled) << "no taker: disabled";
    EXPECT_FALSE(RouteCommand(route, 9));
}

}  // namespace
