#include "assetfiles/assetcheck.h"

#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::size_t pcxHeaderSize = 128;
// Sampling rates of ordinary recordings; a rate outside them only comes from a damaged header.
constexpr long lowestRate = 8000;
constexpr long highestRate = 48000;
// Three times the largest picture the check accepts (a 1024 x 768 one of runs of single bytes),
// and 80 s of the richest sound; nothing larger is read at all. Reading and checking the largest
// take a tenth of a second, so a quit request while loading is answered at once.
constexpr long long largestFile = 16LL << 20;

unsigned byteAt(const std::string& b, std::size_t at) { return static_cast<unsigned char>(b[at]); }
// Both formats store numbers little-endian.
unsigned long word(const std::string& b, std::size_t at) { return byteAt(b, at) | byteAt(b, at + 1) << 8; }
unsigned long dword(const std::string& b, std::size_t at) { return word(b, at) | word(b, at + 2) << 16; }

std::string cannotRead(int error)
{
    std::string why = std::strerror(error);
    why[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(why[0])));
    return "cannot be read: " + why;
}

} // namespace

std::string pictureFault(const std::string& b, const PictureShape& largest, PictureShape* shape)
{
    if (b.empty())
        return "is empty";
    if (byteAt(b, 0) != 10)
        return "not a PCX picture";
    if (b.size() < pcxHeaderSize)
        return "cut short";
    if (byteAt(b, 1) != 5 || byteAt(b, 2) != 1)
        return "not a run-length PCX of version 5";
    const unsigned bits = byteAt(b, 3), planes = byteAt(b, 65);
    if (bits != 8 || planes != 3)
        return "has " + std::to_string(planes * bits) + "-bit colour (" + std::to_string(planes) + " x " +
               std::to_string(bits) + "), not 24-bit (3 x 8)";
    // Corners are inclusive and a reversed pair gives a size of zero or less.
    const long width = static_cast<long>(word(b, 8)) - static_cast<long>(word(b, 4)) + 1;
    const long height = static_cast<long>(word(b, 10)) - static_cast<long>(word(b, 6)) + 1;
    if (width < 1 || height < 1 || width > largest.width || height > largest.height)
        return "claims " + std::to_string(width) + " x " + std::to_string(height) + " pixels (the screen is " +
               std::to_string(largest.width) + " x " + std::to_string(largest.height) + ")";
    // Each plane of a row is padded at most to an even length.
    const long rowBytes = static_cast<long>(word(b, 66));
    if (rowBytes < width || rowBytes > width + 1)
        return "has rows of " + std::to_string(rowBytes) + " bytes for " + std::to_string(width) + " pixels";
    // Walked as the library decodes it: a byte with its two top bits set repeats the next one.
    std::size_t at = pcxHeaderSize;
    for (long row = 0; row < height; ++row)
        for (long x = 0; x < 3 * rowBytes;) {
            if (at >= b.size())
                return "cut short";
            const unsigned code = byteAt(b, at++);
            const bool run = (code & 0xC0) == 0xC0;
            if (run && at++ >= b.size())
                return "cut short";
            x += run ? code & 0x3F : 1;
        }
    if (at != b.size())
        return "has data after its last row";
    if (shape)
        *shape = {width, height};
    return "";
}

std::string soundFault(const std::string& b, SoundShape* shape)
{
    if (b.empty())
        return "is empty";
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0)
        return "not a WAV sound";
    const unsigned long long end = 8ULL + dword(b, 4);
    if (end > b.size())
        return "cut short";
    if (end < b.size())
        return "has data after its end";
    // Walked as the library reads: each part straight after the last, with no padding byte after
    // an odd length, to the end of the file. The library keeps reading whatever follows the sound
    // and takes every format it meets, so one format must come before the one block of sound.
    int formats = 0, blocks = 0;
    bool soundFirst = false;
    SoundShape found;
    for (std::size_t at = 12; at < b.size();) {
        if (b.size() - at < 8 || dword(b, at + 4) > b.size() - at - 8)
            return "damaged: a part runs past its end";
        const unsigned long length = dword(b, at + 4);
        if (b.compare(at, 4, "fmt ") == 0) {
            if (++formats > 1)
                return "has more than one sound format";
            // The library reads these sixteen bytes whatever length the part gives.
            if (length < 16)
                return "has a sound format cut short";
            if (word(b, at + 8) != 1)
                return "is not plain PCM sound (format " + std::to_string(word(b, at + 8)) + ")";
            found.channels = word(b, at + 10);
            found.rate = static_cast<std::int32_t>(dword(b, at + 12));
            found.bits = word(b, at + 22);
            if (found.channels != 1 && found.channels != 2)
                return "has " + std::to_string(found.channels) + " channels, not 1 or 2";
            if (found.bits != 8 && found.bits != 16)
                return "has " + std::to_string(found.bits) + "-bit samples, not 8 or 16";
            if (found.rate < lowestRate || found.rate > highestRate)
                return "plays at " + std::to_string(found.rate) + " samples a second";
        }
        if (b.compare(at, 4, "data") == 0) {
            if (++blocks > 1)
                return "has more than one block of sound";
            soundFirst = formats == 0;
            // A block of part samples is read short by the library, which then takes its last
            // bytes for the next part's header.
            const unsigned long sampleBytes = found.channels * found.bits / 8;
            if (!soundFirst && length % sampleBytes != 0)
                return "holds " + std::to_string(length) + " bytes of sound, not whole samples of " +
                       std::to_string(sampleBytes);
            found.frames = soundFirst ? 0 : static_cast<long>(length / sampleBytes);
        }
        at += 8 + length;
    }
    if (formats == 0)
        return "has no sound format";
    if (soundFirst)
        return "has its sound before its format";
    if (found.frames == 0)
        return "holds no sound";
    if (shape)
        *shape = found;
    return "";
}

std::string readAssetFile(const char* path, std::string& bytes)
{
    // Looked at before it is opened: opening a pipe in the file's place would wait for ever.
    struct stat info;
    if (stat(path, &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? "is missing" : cannotRead(errno);
    if (S_ISDIR(info.st_mode))
        return "is a folder";
    if (!S_ISREG(info.st_mode))
        return "is not a plain file";
    if (info.st_size > largestFile)
        return "is too large (" + std::to_string(info.st_size >> 20) + " MB)";
    std::FILE* file = std::fopen(path, "rb");
    if (!file)
        return cannotRead(errno);
    bytes.resize(static_cast<std::size_t>(info.st_size));
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
    const bool failed = std::ferror(file);
    std::fclose(file);
    return failed ? "cannot be read" : "";
}
