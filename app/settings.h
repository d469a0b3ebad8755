// The program's settings in section "Settei" of the profile: the main
// frame's placement, its maximised start, the four option flags and the
// interface language.
#pragma once

#include "profile.h"

#include <windows.h>

extern const wchar_t kSettingsSection[];  // "Settei"

// The normal rectangle stored at the last exit, with its defaults.
RECT LoadFramePlacement(const Profile& profile);
// Each edge that lies off the screen moves to the screen's matching edge;
// an edge exactly on the screen's edge stays.
RECT ClampToScreen(RECT placement, const RECT& screen);
// True when the frame was maximised at the last exit ("Zoom" exactly 1).
bool StartsMaximised(const Profile& profile);
void SaveFramePlacement(const Profile& profile, const RECT& normal, bool maximised);

// The option flags as stored, odd values kept as they are.
void LoadOptionFlags(const Profile& profile);
void SaveOptionFlags(const Profile& profile);

// The interface language the user chose ("Language": "ja" or "en"), or
// LANG_NEUTRAL when there is none or it names no language we have.
LANGID LoadLanguageChoice(const Profile& profile);
