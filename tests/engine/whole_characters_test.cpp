// Random captures of plausible windows: whatever overlaps whatever, the
// picture holds whole characters only.
#include "code_page.h"
#include "layout_fixture.h"
#include "random_items.h"
#include "whole_characters.h"

#include <random>

namespace {

class RandomCapture {
public:
    explicit RandomCapture(unsigned seed) : random_(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    std::string Text(int maxCharacters)
    {
        std::string text;
        for (int n = Below(maxCharacters + 1); n > 0; --n)
            text += kRandomCharacters[Below(static_cast<int>(kRandomCharacters.size()))];
        return text;
    }

    // A rectangle inside the window, a few pixels to a few hundred wide.
    ItemRect Rect(int width, int height)
    {
        int left = Below(width), top = Below(height);
        return {left, top, left + 3 + Below(300), top + 3 + Below(120)};
    }

    const char* ClassName() { return kRandomClassNames[Below(static_cast<int>(kRandomClassNames.size()))]; }
    char Kind() { return kRandomKinds[Below(static_cast<int>(kRandomKinds.size()))]; }
    char Shape() { return kRandomShapes[Below(static_cast<int>(kRandomShapes.size()))]; }

private:
    std::mt19937 random_;
};

class WholeCharactersTest : public LayoutTest {
protected:
    // A window with its caption letters, maybe a menu bar, and up to 60
    // controls of every kind at random places; returns the texts.
    std::vector<std::string> AddRandomWindow(RandomCapture& random)
    {
        CaptureMode = random.Below(4) == 0 ? 'K' : 'O';
        DelSpcLinFlg = random.Below(2);
        DelSpcColFlg = random.Below(2);
        CutUnderLine = random.Below(2);
        StatusBarSeen = random.Below(3) == 0 ? 'Y' : 'N';
        int width = 100 + random.Below(1200), height = 60 + random.Below(700);
        Add("#32770", random.Text(12), {0, 0, width, height});
        Add("Style", random.Text(4), {0, 0, width, height});
        if (random.Below(2) == 0)
            Add("Menu", random.Text(20), {0, 0, 0, 0}, 'M');
        for (int n = random.Below(60); n > 0; --n)
            Add(random.ClassName(), random.Text(24), random.Rect(width, height), random.Kind(), random.Shape());
        std::vector<std::string> texts;
        for (int i = 0; i < ItemCount; ++i)
            texts.push_back(ItemTable[i].text);
        return texts;
    }
};

TEST_F(WholeCharactersTest, RandomCapturesShowOnlyCharactersWrittenWhole)
{
    for (unsigned seed = 1; seed <= 1000; ++seed) {
        ResetCaptureState();
        RandomCapture random(seed);
        std::vector<std::string> texts = AddRandomWindow(random);
        ConversionResult result = LayOutItems();
        std::string foreign = FindForeignCharacter(result.text, texts);
        ASSERT_EQ(foreign, "") << "seed " << seed << ":\n" << ShiftJisToUtf8(result.text);
    }
}

}  // namespace
