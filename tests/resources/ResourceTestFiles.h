#pragma once
// Paths of the committed resource files and reading them whole.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include <gtest/gtest.h>

inline std::filesystem::path ResourceSourcePath(const std::string& relative)
{
    const char* dir = std::getenv("SCOUTREL_SOURCE_DIR");
    EXPECT_NE(dir, nullptr) << "SCOUTREL_SOURCE_DIR is not set (run the tests through ctest)";
    return std::filesystem::path(dir ? dir : ".") / "resources" / relative;
}

inline std::vector<unsigned char> ReadWholeFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file.is_open()) << "cannot open " << path;
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline std::vector<unsigned char> ToVector(std::span<const unsigned char> bytes)
{
    return {bytes.begin(), bytes.end()};
}
