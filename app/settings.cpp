#include "settings.h"

#include "capture_state.h"
#include "interface_language.h"

const wchar_t kSettingsSection[] = L"Settei";

namespace {

// The frame's normal place, and whether it starts maximised.
const wchar_t kLeftKey[] = L"Left";
const wchar_t kRightKey[] = L"Right";
const wchar_t kTopKey[] = L"top";
const wchar_t kBottomKey[] = L"Bottom";
const wchar_t kZoomKey[] = L"Zoom";
const wchar_t kLanguageKey[] = L"Language";

struct OptionEntry {
    const wchar_t* key;
    int32_t* flag;
    int32_t fallback;
};

// In the order they are read and written.
const OptionEntry kOptions[] = {
    {L"DelSpcLinFlg", &DelSpcLinFlg, 1},
    {L"DelSpcColFlg", &DelSpcColFlg, 1},
    {L"CutUnderLine", &CutUnderLine, 1},
    {L"NoMuitiLine", &NoMuitiLine, 0},
};

bool Outside(LONG value, LONG low, LONG high)
{
    return value < low || value > high;
}

}  // namespace

RECT LoadFramePlacement(const Profile& profile)
{
    RECT placement;
    placement.left = profile.GetInt(kSettingsSection, kLeftKey, 0);
    placement.right = profile.GetInt(kSettingsSection, kRightKey, 640);
    placement.top = profile.GetInt(kSettingsSection, kTopKey, 0);
    placement.bottom = profile.GetInt(kSettingsSection, kBottomKey, 400);
    return placement;
}

RECT ClampToScreen(RECT placement, const RECT& screen)
{
    if (Outside(placement.left, screen.left, screen.right))
        placement.left = screen.left;
    if (Outside(placement.top, screen.top, screen.bottom))
        placement.top = screen.top;
    if (Outside(placement.bottom, screen.top, screen.bottom))
        placement.bottom = screen.bottom;
    if (Outside(placement.right, screen.left, screen.right))
        placement.right = screen.right;
    return placement;
}

bool StartsMaximised(const Profile& profile)
{
    return profile.GetInt(kSettingsSection, kZoomKey, 0) == 1;
}

void SaveFramePlacement(const Profile& profile, const RECT& normal, bool maximised)
{
    profile.WriteInt(kSettingsSection, kLeftKey, normal.left);
    profile.WriteInt(kSettingsSection, kRightKey, normal.right);
    profile.WriteInt(kSettingsSection, kTopKey, normal.top);
    profile.WriteInt(kSettingsSection, kBottomKey, normal.bottom);
    profile.WriteInt(kSettingsSection, kZoomKey, maximised ? 1 : 0);
}

void LoadOptionFlags(const Profile& profile)
{
    for (const OptionEntry& option : kOptions)
        *option.flag = profile.GetInt(kSettingsSection, option.key, option.fallback);
}

void SaveOptionFlags(const Profile& profile)
{
    for (const OptionEntry& option : kOptions)
        profile.WriteInt(kSettingsSection, option.key, *option.flag);
}

LANGID LoadLanguageChoice(const Profile& profile)
{
    return LanguageNamed(profile.GetString(kSettingsSection, kLanguageKey));
}
