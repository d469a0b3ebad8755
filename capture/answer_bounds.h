// Bounds on what a captured program's answers may make a capture do, and the
// checks of what it writes back into our blocks.  A program may answer
// wrongly, by a bug or on purpose; nothing it answers may make the capture
// loop, allocate or copy without bound.  Plain code, without Windows, so
// that it is tested natively and fuzzed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_set>

// A status bar has at most 256 parts (SB_SETPARTS refuses more).
constexpr int64_t kStatusBarPartLimit = 256;

// Bytes a text may bring into the capture: the grid holds 1000 rows of 800
// columns, and no record can show more.
constexpr int64_t kTextByteLimit = int64_t{1000} * 800;

// Levels of a tree that can be shown: 4 columns of indent per level across
// the grid's 800 columns.
constexpr int kTreeDepthLimit = 800 / 4;

// A count a program answered, cut to what the capture uses.
struct BoundedCount {
    int32_t value;      // 0 to the smaller of `shown` and `limit`
    bool outOfBounds;   // the answer was negative or above `limit`
};

// `answer` cut to what can be shown (`shown`) and to the most that an honest
// control of its kind answers (`limit`).  Cutting to `shown` alone is no
// fault: a long list shows the rows that fit.
BoundedCount BoundCount(int64_t answer, int64_t shown, int64_t limit);

// The size of a buffer for a text whose length (NUL not counted) a program
// answered: length + 1, between 1 and kTextByteLimit + 1.  A text longer
// than the limit is cut, as the grid would cut it.
size_t BufferForLength(int64_t length);

// The characters of a text a program wrote into a buffer of `capacity`
// characters (capacity >= 1): up to the first NUL, never past capacity - 1,
// where the NUL is forced; a program may leave it out or claim to have
// copied more.
template <class Char>
size_t TerminatedLength(Char* buffer, size_t capacity)
{
    buffer[capacity - 1] = Char();
    return std::char_traits<Char>::length(buffer);
}

// The first `length` bytes of `bytes` (no NUL among them), cut before a
// double-byte character split at the end.
size_t WholeCharacterLength(const char* bytes, size_t length);

// What a structure read back from a control says of its text: the buffer we
// gave it is `bufferSize` bytes at `bufferAddress` (as the control sees it);
// the structure's text pointer must name a place inside it.
struct ReadBackText {
    size_t offset;      // where the text starts in the buffer
    bool outOfBounds;   // the pointer left the buffer: there is no text
};
ReadBackText CheckTextPointer(uint64_t textPointer, uint64_t bufferAddress, uint64_t bufferSize);

// The items of one chain (next sibling, child, parent): an item seen before
// closes a cycle and ends the chain.
class ItemChain {
public:
    // True when the item is new; false, once, for an item seen before.
    bool Enter(uint64_t item) { return seen_.insert(item).second; }
    size_t Size() const { return seen_.size(); }

private:
    std::unordered_set<uint64_t> seen_;
};
