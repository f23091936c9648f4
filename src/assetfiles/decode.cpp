#include "assetfiles/decode.h"

#include <algorithm>
#include <cstring>

namespace {

// A read-only packfile over a string. The stop question is asked every so many bytes: often
// enough to end a large file's decoding at once, rarely enough to cost nothing.
struct MemoryFile {
    const std::string& bytes;
    StopAsked stop;
    std::size_t at = 0;
    std::size_t nextAsk = 0;
    bool stopped = false;
};

constexpr std::size_t bytesBetweenAsks = 16 << 10;

MemoryFile& memoryOf(void* file) { return *static_cast<MemoryFile*>(file); }

bool ended(MemoryFile& f)
{
    if (f.stop && !f.stopped && f.at >= f.nextAsk) {
        f.stopped = f.stop();
        f.nextAsk = f.at + bytesBetweenAsks;
    }
    return f.stopped || f.at >= f.bytes.size();
}

int closeFile(void*) { return 0; }

int getByte(void* file)
{
    MemoryFile& f = memoryOf(file);
    return ended(f) ? EOF : static_cast<unsigned char>(f.bytes[f.at++]);
}

int ungetByte(int c, void* file)
{
    MemoryFile& f = memoryOf(file);
    if (f.at == 0)
        return EOF;
    --f.at;
    return c;
}

long readBytes(void* to, long n, void* file)
{
    MemoryFile& f = memoryOf(file);
    if (n <= 0 || ended(f))
        return 0;
    const std::size_t count = std::min(static_cast<std::size_t>(n), f.bytes.size() - f.at);
    std::memcpy(to, f.bytes.data() + f.at, count);
    f.at += count;
    return static_cast<long>(count);
}

int putByte(int, void*) { return EOF; }

long writeBytes(const void*, long, void*) { return 0; }

int skipBytes(void* file, int offset)
{
    MemoryFile& f = memoryOf(file);
    if (offset < 0 || static_cast<std::size_t>(offset) > f.bytes.size() - f.at)
        return -1;
    f.at += static_cast<std::size_t>(offset);
    return 0;
}

int atEnd(void* file) { return memoryOf(file).at >= memoryOf(file).bytes.size(); }

int noError(void*) { return 0; }

const PACKFILE_VTABLE memoryFile = {closeFile, getByte, ungetByte, readBytes, putByte,
                                    writeBytes, skipBytes, atEnd,  noError};

// Runs the library's decoder over bytes; a decoding cut short by a stop yields null.
template <typename Result>
Result* decode(const std::string& bytes, StopAsked stop, Result* (*decoder)(PACKFILE*),
               void (*destroy)(Result*))
{
    MemoryFile file{bytes, stop};
    PACKFILE* packfile = pack_fopen_vtable(&memoryFile, &file);
    if (!packfile)
        return nullptr;
    Result* result = decoder(packfile);
    pack_fclose(packfile);
    if (result && file.stopped) {
        destroy(result);
        result = nullptr;
    }
    return result;
}

BITMAP* pictureWithoutPalette(PACKFILE* f) { return load_pcx_pf(f, nullptr); }

} // namespace

BITMAP* decodePicture(const std::string& bytes, StopAsked stop)
{
    return decode(bytes, stop, pictureWithoutPalette, destroy_bitmap);
}

SAMPLE* decodeSound(const std::string& bytes, StopAsked stop) { return decode(bytes, stop, load_wav_pf, destroy_sample); }
