#include "file_contents.h"

#include <fstream>
#include <iterator>

std::optional<std::string> FileBytes(const std::wstring& path)
{
    std::ifstream file(path.c_str(), std::ios::binary);
    if (!file)
        return std::nullopt;
    std::string bytes(std::istreambuf_iterator<char>(file), {});
    if (file.bad())
        return std::nullopt;
    return bytes;
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes)
{
    std::ofstream file(path.c_str(), std::ios::binary);
    file << bytes;
    file.flush();
    return static_cast<bool>(file);
}
