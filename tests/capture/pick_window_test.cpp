// Which window the finder marks under a screen point.
#include "capture_test_support.h"
#include "pick_window.h"

namespace {

class PickWindowTest : public CaptureTest {
protected:
    // Screen point at client position x, y of the host.
    POINT At(int x, int y)
    {
        POINT point{x, y};
        ClientToScreen(host_, &point);
        return point;
    }
};

TEST_F(PickWindowTest, TakesTheSmallestChildUnderThePointAndFindsDisabledOnes)
{
    HWND group = AddChild("Button", "group", BS_GROUPBOX, 10, 10, 200, 150);
    HWND inside = AddChild("Button", "inside", BS_PUSHBUTTON, 30, 40, 80, 30);
    HWND disabled = AddChild("Static", "disabled", WS_DISABLED, 30, 100, 80, 20);
    HWND twin = AddChild("Static", "twin", 0, 30, 100, 80, 20);
    SetWindowPos(twin, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);

    EXPECT_EQ(PickWindowAt(At(50, 50)), inside);
    EXPECT_EQ(PickWindowAt(At(30, 40)), inside) << "edges count as inside";
    EXPECT_EQ(PickWindowAt(At(180, 20)), group);
    EXPECT_EQ(PickWindowAt(At(50, 110)), disabled) << "of equal ones the upper in Z order";
    EXPECT_EQ(PickWindowAt(At(300, 200)), host_);
}

}  // namespace
