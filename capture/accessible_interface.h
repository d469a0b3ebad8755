// IAccessible's interface id, {618736E0-3C3D-11CF-810C-00AA00389B71},
// spelled out: MinGW-w64's oleacc library has code under the name
// IID_IAccessible, which takes the place of the id whenever oleacc comes
// before uuid on a link line, and every call then fails with E_NOINTERFACE.
// Programs that link the capture with other libraries cannot keep that order.
#pragma once

#include <windows.h>

constexpr GUID kAccessibleInterfaceId = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
