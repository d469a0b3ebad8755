// Feeds random answers to the checks of what captured programs write back:
// whatever the bytes, a count stays within its bounds, a text ends inside
// its buffer and a text pointer is accepted only inside the buffer.
#include "answer_bounds.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

uint64_t Take64(const uint8_t*& data, size_t& size)
{
    uint64_t value = 0;
    const size_t n = size < sizeof value ? size : sizeof value;
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
}

void Check(bool holds)
{
    if (!holds)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto answer = static_cast<int64_t>(Take64(data, size));
    const auto shown = static_cast<int64_t>(Take64(data, size));
    const auto limit = static_cast<int64_t>(Take64(data, size));
    const BoundedCount count = BoundCount(answer, shown, limit);
    Check(count.value >= 0 && count.value <= (shown > 0 ? shown : 0) && count.value <= (limit > 0 ? limit : 0));
    Check(count.outOfBounds == (answer < 0 || answer > limit));

    const size_t buffer = BufferForLength(answer);
    Check(buffer >= 1 && buffer <= static_cast<size_t>(kTextByteLimit) + 1);

    const uint64_t pointer = Take64(data, size);
    const uint64_t address = Take64(data, size);
    const uint64_t bufferSize = 1 + Take64(data, size) % 4096;
    const ReadBackText text = CheckTextPointer(pointer, address, bufferSize);
    Check(text.outOfBounds || (text.offset < bufferSize && address + text.offset == pointer));

    // The rest is a text buffer as a program filled it.
    std::vector<char> bytes(data, data + size);
    if (!bytes.empty()) {
        const size_t length = TerminatedLength(bytes.data(), bytes.size());
        Check(length < bytes.size() && bytes[length] == '\0');
        Check(WholeCharacterLength(bytes.data(), length) <= length);
    }
    return 0;
}
