// The bounds on what a captured program answers hold for every answer: the
// lies of a hostile program (huge and negative counts, loops, texts without
// NUL, pointers outside our buffer) end within them.
#include "answer_bounds.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

TEST(BoundCount, CutsToWhatCanBeShownAndNamesOnlyImpossibleAnswersAsOutOfBounds)
{
    struct Case {
        int64_t answer, shown, limit;
        int32_t value;
        bool outOfBounds;
    };
    const Case cases[] = {
        {5, 10, 256, 5, false},
        {50, 10, 256, 10, false},          // a long list shows what fits
        {100000, 256, 256, 256, true},     // more parts than a status bar has
        {0x7FFFFFFF, 400, 400, 400, true},
        {-1, 10, 256, 0, true},
        {INT64_MIN, 10, 256, 0, true},
        {INT64_MAX, INT64_MAX, INT64_MAX, INT32_MAX, false},
        {7, -3, 256, 0, false},            // a control lower than its margins shows nothing
    };
    for (const Case& c : cases) {
        const BoundedCount count = BoundCount(c.answer, c.shown, c.limit);
        EXPECT_EQ(count.value, c.value) << c.answer;
        EXPECT_EQ(count.outOfBounds, c.outOfBounds) << c.answer;
    }
}

TEST(TextLengths, BufferNeverExceedsTheGridAndTheTextEndsInsideIt)
{
    EXPECT_EQ(BufferForLength(-5), 1u);
    EXPECT_EQ(BufferForLength(0), 1u);
    EXPECT_EQ(BufferForLength(10), 11u);
    EXPECT_EQ(BufferForLength(0x7FFFFFFF), static_cast<size_t>(kTextByteLimit) + 1);

    // A program that fills the buffer and leaves out the NUL.
    char full[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(TerminatedLength(full, sizeof full), 3u);
    EXPECT_EQ(full[3], '\0');
    char shorter[4] = {'a', '\0', 'c', 'd'};
    EXPECT_EQ(TerminatedLength(shorter, sizeof shorter), 1u);

    // "あ" is 82 A0; a lead byte at the end is half a character.
    EXPECT_EQ(WholeCharacterLength("a\x82\xA0", 3), 3u);
    EXPECT_EQ(WholeCharacterLength("ab\x82", 3), 2u);
    EXPECT_EQ(WholeCharacterLength("\x82\xA0\x82", 3), 2u);
}

TEST(CheckTextPointer, ReadsOnlyInsideTheBufferWeGave)
{
    const uint64_t buffer = 0x10000;
    EXPECT_EQ(CheckTextPointer(buffer, buffer, 256).offset, 0u);
    EXPECT_FALSE(CheckTextPointer(buffer, buffer, 256).outOfBounds);
    EXPECT_EQ(CheckTextPointer(buffer + 255, buffer, 256).offset, 255u);
    EXPECT_TRUE(CheckTextPointer(buffer + 256, buffer, 256).outOfBounds);
    EXPECT_TRUE(CheckTextPointer(buffer - 1, buffer, 256).outOfBounds);
    EXPECT_TRUE(CheckTextPointer(0, buffer, 256).outOfBounds);
    EXPECT_TRUE(CheckTextPointer(UINT64_MAX, buffer, 256).outOfBounds);
    EXPECT_FALSE(CheckTextPointer(UINT64_MAX, UINT64_MAX - 10, 256).outOfBounds);
}

TEST(ItemChain, AnItemMetAgainEndsTheChain)
{
    ItemChain chain;
    EXPECT_TRUE(chain.Enter(1));
    EXPECT_TRUE(chain.Enter(2));
    EXPECT_FALSE(chain.Enter(1));
    EXPECT_FALSE(chain.Enter(2));
    EXPECT_TRUE(chain.Enter(3));
    EXPECT_EQ(chain.Size(), 3u);
}

}  // namespace
