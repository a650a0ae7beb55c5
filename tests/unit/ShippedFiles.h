#pragma once
// The files the build copies beside the executables, read from the source tree.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

inline std::filesystem::path ShippedFolder()
{
    return std::filesystem::path(__FILE__).parent_path() / ".." / ".." / "src" / "resources" / "program";
}

inline std::string ReadShippedFile(const std::filesystem::path& name)
{
    std::ifstream in(ShippedFolder() / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
