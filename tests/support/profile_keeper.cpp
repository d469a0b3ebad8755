// Linked into every test program that changes the program's profile
// (HKEY_CURRENT_USER\Software\Quon): the profile is copied aside before the
// first test and put back after the last, so that the next run of the
// program starts from the settings it had, not from the tests'.

#include <gtest/gtest.h>

#include <shlwapi.h>
#include <windows.h>

#include <string>

namespace {

const char kProfileKey[] = "Software\\Quon";

// Copies the key `from` of HKEY_CURRENT_USER with everything below it to
// `to`; false when `from` does not exist or the copy failed.
bool CopyKey(const std::string& from, const std::string& to)
{
    HKEY source = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, from.c_str(), 0, KEY_READ, &source) != ERROR_SUCCESS)
        return false;
    HKEY target = nullptr;
    const bool copied = RegCreateKeyExA(HKEY_CURRENT_USER, to.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                        &target, nullptr) == ERROR_SUCCESS &&
                        SHCopyKeyA(source, nullptr, target, 0) == ERROR_SUCCESS;
    if (target)
        RegCloseKey(target);
    RegCloseKey(source);
    return copied;
}

class ProfileKeeper : public ::testing::Environment {
public:
    void SetUp() override { kept_ = CopyKey(kProfileKey, keptKey_); }

    void TearDown() override
    {
        SHDeleteKeyA(HKEY_CURRENT_USER, kProfileKey);
        if (kept_) {
            EXPECT_TRUE(CopyKey(keptKey_, kProfileKey)) << "the profile was not put back";
        }
        SHDeleteKeyA(HKEY_CURRENT_USER, keptKey_.c_str());
    }

private:
    const std::string keptKey_ = "Software\\Quon kept by test " + std::to_string(GetCurrentProcessId());
    bool kept_ = false;
};

::testing::Environment* const kProfileKeeper = ::testing::AddGlobalTestEnvironment(new ProfileKeeper);

}  // namespace
