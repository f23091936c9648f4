#pragma once
// The bytes of an asset file, and little-endian fields written into them: the asset tests make
// damaged and edge-case files from the real ones.

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "assetfiles/assetcheck.h"

inline std::string contents(const char* path)
{
    std::string bytes;
    EXPECT_EQ("", readAssetFile(path, bytes)) << path;
    return bytes;
}

inline void put16(std::string& b, std::size_t at, unsigned value)
{
    b[at] = static_cast<char>(value & 0xFF);
    b[at + 1] = static_cast<char>(value >> 8);
}

inline void put32(std::string& b, std::size_t at, unsigned long value)
{
    put16(b, at, value & 0xFFFF);
    put16(b, at + 2, value >> 16);
}
