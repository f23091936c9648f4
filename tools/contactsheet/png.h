#pragma once
// A PNG writer with nothing but the standard library: 8-bit RGB, each row filtered the way
// that makes it smallest, compressed with a plain LZ77 + fixed-Huffman deflate. The same
// pixels always give the same bytes.

#include <cstdint>
#include <string>
#include <vector>

struct RgbImage {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;  // row after row, 3 bytes a pixel

    RgbImage(int w, int h) : width(w), height(h), rgb(static_cast<size_t>(w) * h * 3, 0) {}
    uint8_t* at(int x, int y) { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
};

// The deflate stream (RFC 1951) of `data`, one final block of fixed Huffman codes.
std::vector<uint8_t> deflateFixed(const std::vector<uint8_t>& data);
// The zlib stream (RFC 1950) around it.
std::vector<uint8_t> zlibCompress(const std::vector<uint8_t>& data);
// False when the file cannot be written.
bool writePng(const std::string& path, const RgbImage& image);
