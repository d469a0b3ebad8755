// Paths that the build wrote into the tests: files of the build tree and
// the source tree.
#pragma once

#include <string>

// The path as this process can open it. Under Wine the build machine's
// paths are Unix paths, which Wine names through the drive that maps the
// Unix root; on Windows a path is used as it stands.
std::wstring HostPath(const char* path);

// The path of `program` (a file name) in the folder of the running test.
std::wstring ProgramBesideThisOne(const wchar_t* program);
