#include "answer_bounds.h"

#include "sjis.h"

#include <algorithm>

BoundedCount BoundCount(int64_t answer, int64_t shown, int64_t limit)
{
    const bool outOfBounds = answer < 0 || answer > limit;
    const int64_t most = std::max<int64_t>(0, std::min({shown, limit, int64_t{INT32_MAX}}));
    return {static_cast<int32_t>(std::clamp<int64_t>(answer, 0, most)), outOfBounds};
}

size_t BufferForLength(int64_t length)
{
    return static_cast<size_t>(std::clamp<int64_t>(length, 0, kTextByteLimit)) + 1;
}

size_t WholeCharacterLength(const char* bytes, size_t length)
{
    size_t end = 0;
    while (end < length) {
        const size_t next = end + (IsLeadByte(static_cast<unsigned char>(bytes[end])) ? 2 : 1);
        if (next > length)
            break;
        end = next;
    }
    return end;
}

ReadBackText CheckTextPointer(uint64_t textPointer, uint64_t bufferAddress, uint64_t bufferSize)
{
    if (textPointer < bufferAddress || textPointer - bufferAddress >= bufferSize)
        return {0, true};
    return {static_cast<size_t>(textPointer - bufferAddress), false};
}
