#include "png.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

namespace {

// ---- Deflate ----

// Bits go out least significant first, as deflate packs them.
class BitWriter {
public:
    void put(uint32_t value, int count)
    {
        for (int i = 0; i < count; ++i) {
            acc_ |= ((value >> i) & 1u) << fill_;
            if (++fill_ == 8)
                flushByte();
        }
    }
    // Huffman codes are sent most significant bit first.
    void putCode(uint32_t code, int count)
    {
        for (int i = count - 1; i >= 0; --i)
            put((code >> i) & 1u, 1);
    }
    std::vector<uint8_t> finish()
    {
        if (fill_ > 0)
            flushByte();
        return std::move(out_);
    }

private:
    void flushByte()
    {
        out_.push_back(static_cast<uint8_t>(acc_));
        acc_ = 0;
        fill_ = 0;
    }
    std::vector<uint8_t> out_;
    uint32_t acc_ = 0;
    int fill_ = 0;
};

// The fixed literal/length code of RFC 1951, 3.2.6.
void putSymbol(BitWriter& bits, int symbol)
{
    if (symbol < 144)
        bits.putCode(0x30 + symbol, 8);
    else if (symbol < 256)
        bits.putCode(0x190 + symbol - 144, 9);
    else if (symbol < 280)
        bits.putCode(symbol - 256, 7);
    else
        bits.putCode(0xC0 + symbol - 280, 8);
}

constexpr int kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                 31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr int kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                  2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr int kDistBase[30] = {1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
                               193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr int kDistExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

void putMatch(BitWriter& bits, int length, int distance)
{
    int l = 28;
    while (kLengthBase[l] > length)
        --l;
    putSymbol(bits, 257 + l);
    bits.put(length - kLengthBase[l], kLengthExtra[l]);
    int d = 29;
    while (kDistBase[d] > distance)
        --d;
    bits.putCode(d, 5);
    bits.put(distance - kDistBase[d], kDistExtra[d]);
}

constexpr int kWindow = 32768, kMinMatch = 3, kMaxMatch = 258;
constexpr int kHashBits = 15, kChainLimit = 96;

int hashAt(const std::vector<uint8_t>& d, size_t i)
{
    return ((d[i] << 10) ^ (d[i + 1] << 5) ^ d[i + 2]) & ((1 << kHashBits) - 1);
}

}  // namespace

std::vector<uint8_t> deflateFixed(const std::vector<uint8_t>& data)
{
    BitWriter bits;
    bits.put(1, 1);  // the final block
    bits.put(1, 2);  // fixed Huffman codes
    // Greedy LZ77 over hash chains of three-byte prefixes.
    std::vector<int> head(1 << kHashBits, -1), prev(kWindow, -1);
    const size_t n = data.size();
    auto insert = [&](size_t i) {
        if (i + kMinMatch > n)
            return;
        const int h = hashAt(data, i);
        prev[i % kWindow] = head[h];
        head[h] = static_cast<int>(i);
    };
    size_t i = 0;
    while (i < n) {
        int bestLen = 0, bestDist = 0;
        if (i + kMinMatch <= n) {
            const size_t limit = std::min<size_t>(kMaxMatch, n - i);
            int candidate = head[hashAt(data, i)];
            for (int chain = 0; candidate >= 0 && chain < kChainLimit; ++chain) {
                const size_t dist = i - candidate;
                if (dist > kWindow - 1)
                    break;
                size_t len = 0;
                while (len < limit && data[candidate + len] == data[i + len])
                    ++len;
                if (static_cast<int>(len) > bestLen) {
                    bestLen = static_cast<int>(len);
                    bestDist = static_cast<int>(dist);
                    if (len == limit)
                        break;
                }
                const int next = prev[candidate % kWindow];
                if (next >= candidate)
                    break;  // the slot was reused by a newer position
                candidate = next;
            }
        }
        if (bestLen >= kMinMatch) {
            putMatch(bits, bestLen, bestDist);
            for (int k = 0; k < bestLen; ++k)
                insert(i + k);
            i += bestLen;
        } else {
            putSymbol(bits, data[i]);
            insert(i);
            ++i;
        }
    }
    putSymbol(bits, 256);  // end of block
    return bits.finish();
}

namespace {

uint32_t adler32(const std::vector<uint8_t>& data)
{
    uint32_t a = 1, b = 0;
    for (uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void putBig32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(v >> shift));
}

}  // namespace

std::vector<uint8_t> zlibCompress(const std::vector<uint8_t>& data)
{
    std::vector<uint8_t> out = {0x78, 0x01};  // deflate, 32 KiB window, no dictionary
    const std::vector<uint8_t> body = deflateFixed(data);
    out.insert(out.end(), body.begin(), body.end());
    putBig32(out, adler32(data));
    return out;
}

namespace {

// ---- PNG ----

uint32_t crc32(const uint8_t* p, size_t n, uint32_t crc = 0)
{
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t k = 0; k < 256; ++k) {
            uint32_t c = k;
            for (int j = 0; j < 8; ++j)
                c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[k] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (size_t i = 0; i < n; ++i)
        crc = table[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void putChunk(std::vector<uint8_t>& out, const char type[4], const std::vector<uint8_t>& body)
{
    putBig32(out, static_cast<uint32_t>(body.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    putBig32(out, crc32(&out[start], out.size() - start));
}

uint8_t paeth(int a, int b, int c)
{
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return static_cast<uint8_t>(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

// One row filtered each of the five ways; the one whose bytes sum smallest (as signed) wins.
void appendFilteredRow(std::vector<uint8_t>& out, const uint8_t* row, const uint8_t* above, size_t len)
{
    constexpr int bpp = 3;
    std::vector<uint8_t> best, trial(len + 1);
    long bestScore = -1;
    for (int filter = 0; filter < 5; ++filter) {
        trial[0] = static_cast<uint8_t>(filter);
        long score = 0;
        for (size_t i = 0; i < len; ++i) {
            const int a = i >= bpp ? row[i - bpp] : 0;
            const int b = above ? above[i] : 0;
            const int c = above && i >= bpp ? above[i - bpp] : 0;
            int predicted = 0;
            switch (filter) {
            case 1: predicted = a; break;
            case 2: predicted = b; break;
            case 3: predicted = (a + b) / 2; break;
            case 4: predicted = paeth(a, b, c); break;
            default: break;
            }
            const uint8_t v = static_cast<uint8_t>(row[i] - predicted);
            trial[i + 1] = v;
            score += v < 128 ? v : 256 - v;
        }
        if (bestScore < 0 || score < bestScore) {
            bestScore = score;
            best = trial;
        }
    }
    out.insert(out.end(), best.begin(), best.end());
}

}  // namespace

bool writePng(const std::string& path, const RgbImage& image)
{
    std::vector<uint8_t> ihdr;
    putBig32(ihdr, static_cast<uint32_t>(image.width));
    putBig32(ihdr, static_cast<uint32_t>(image.height));
    ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, adaptive filter, no interlace
    const size_t stride = static_cast<size_t>(image.width) * 3;
    std::vector<uint8_t> raw;
    raw.reserve((stride + 1) * image.height);
    for (int y = 0; y < image.height; ++y)
        appendFilteredRow(raw, &image.rgb[y * stride], y > 0 ? &image.rgb[(y - 1) * stride] : nullptr, stride);

    std::vector<uint8_t> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    putChunk(file, "IHDR", ihdr);
    putChunk(file, "IDAT", zlibCompress(raw));
    putChunk(file, "IEND", {});
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool written = std::fwrite(file.data(), 1, file.size(), f) == file.size();
    return std::fclose(f) == 0 && written;
}
