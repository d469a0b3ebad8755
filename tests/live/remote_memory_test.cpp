// Blocks of the remote memory channel in the process of a fixture window.
// The fixture sits idle meanwhile, so its memory changes only by what the
// test does, and a block left behind shows in its memory map.

#include "live_fixture.h"
#include "remote_memory.h"

#include <tuple>
#include <vector>

namespace {

using Region = std::tuple<uintptr_t, size_t, DWORD>;  // base, size, state

// The process's memory as far as this process can name it.
std::vector<Region> MemoryMap(HANDLE process)
{
    std::vector<Region> regions;
    MEMORY_BASIC_INFORMATION info{};
    for (uintptr_t address = 0;
         VirtualQueryEx(process, reinterpret_cast<void*>(address), &info, sizeof info) == sizeof info;) {
        const uintptr_t base = reinterpret_cast<uintptr_t>(info.BaseAddress);
        regions.emplace_back(base, info.RegionSize, info.State);
        if (base + info.RegionSize <= address)
            break;
        address = base + info.RegionSize;
    }
    return regions;
}

class RemoteMemoryTest : public LiveFixtureTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Open(ControlsProgram(), L"trees"));
        ASSERT_TRUE(OpenControlProcess(window_, &process_));
        before_ = MemoryMap(process_.handle.Get());
    }

    ControlProcess process_;
    std::vector<Region> before_;
};

TEST_F(RemoteMemoryTest, AProcessOfThisBuildHasItsBitnessAndABlockEndsBelowItsEnd)
{
    EXPECT_EQ(process_.bits, kOwnBitness);
    EXPECT_EQ(ProcessBitness(GetCurrentProcess()), kOwnBitness);
    constexpr size_t kSize = 300;
    const uint64_t end = BlockAddressEnd(process_.bits);
    {
        RemoteAllocation block = AllocateBlockBelow(process_.handle.Get(), kSize, end);
        ASSERT_TRUE(block);
        EXPECT_LE(reinterpret_cast<uintptr_t>(block.Get()) + kSize, end);
        MEMORY_BASIC_INFORMATION info{};
        ASSERT_TRUE(VirtualQueryEx(process_.handle.Get(), block.Get(), &info, sizeof info));
        EXPECT_EQ(info.State, static_cast<DWORD>(MEM_COMMIT));
        EXPECT_EQ(info.Protect, static_cast<DWORD>(PAGE_READWRITE));
        char bytes[kSize];
        ASSERT_TRUE(ReadProcessMemory(process_.handle.Get(), block.Get(), bytes, kSize, nullptr));
        EXPECT_EQ(std::vector<char>(bytes, bytes + kSize), std::vector<char>(kSize, '\0'));
    }
    EXPECT_EQ(MemoryMap(process_.handle.Get()), before_) << "the guard frees the block";
}

// No block can end within the first 64 KB, which are never given out: the
// one that was allocated is freed again.
TEST_F(RemoteMemoryTest, ABlockThatCannotEndBelowItsEndIsNotHadAndLeavesNothingBehind)
{
    EXPECT_FALSE(AllocateBlockBelow(process_.handle.Get(), 16, 0x10000));
    EXPECT_EQ(MemoryMap(process_.handle.Get()), before_);
}

}  // namespace
