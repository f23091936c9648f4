// A save reaches the disk in the order that keeps the old scores or the new ones whatever
// happens: the temporary file written and flushed, then renamed over the old one, then the
// folder flushed so that the rename lasts. A killed process cannot show a missing flush (the
// page cache keeps the data), so the file calls themselves are recorded as the game makes them:
// ryke_tests is linked with --wrap for each, and these wrappers note the call, then make it.

#include <gtest/gtest.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "stores/best_score.h"

namespace {

struct Call {
    std::string what;  // "temp", "open", "write", "fsync", "close", "rename"
    int fd = -1;
    std::string path, to;
};
bool recording = false;
std::vector<Call> calls;

void note(Call call)
{
    if (recording)
        calls.push_back(std::move(call));
}

} // namespace

extern "C" {
int __real_mkstemp(char* pattern);
int __real_open(const char* path, int flags, ...);
ssize_t __real_write(int fd, const void* bytes, size_t count);
int __real_fsync(int fd);
int __real_fdatasync(int fd);
int __real_close(int fd);
int __real_rename(const char* from, const char* to);

int __wrap_mkstemp(char* pattern)
{
    const int fd = __real_mkstemp(pattern);
    note({"temp", fd, pattern, ""});
    return fd;
}
int __wrap_open(const char* path, int flags, ...)
{
    mode_t mode = 0;
    if (flags & (O_CREAT | O_TMPFILE)) {
        va_list more;
        va_start(more, flags);
        mode = va_arg(more, mode_t);
        va_end(more);
    }
    const int fd = __real_open(path, flags, mode);
    note({"open", fd, path, ""});
    return fd;
}
ssize_t __wrap_write(int fd, const void* bytes, size_t count)
{
    note({"write", fd, "", ""});
    return __real_write(fd, bytes, count);
}
// Either flush puts the file's bytes on the disk.
int __wrap_fsync(int fd)
{
    note({"fsync", fd, "", ""});
    return __real_fsync(fd);
}
int __wrap_fdatasync(int fd)
{
    note({"fsync", fd, "", ""});
    return __real_fdatasync(fd);
}
int __wrap_close(int fd)
{
    note({"close", fd, "", ""});
    return __real_close(fd);
}
int __wrap_rename(const char* from, const char* to)
{
    note({"rename", -1, from, to});
    return __real_rename(from, to);
}
}

namespace {

namespace fs = std::filesystem;

// The index of the first call at or after from that matches, or calls.size().
template <typename Match> std::size_t find(std::size_t from, Match match)
{
    while (from < calls.size() && !match(calls[from]))
        ++from;
    return from;
}

TEST(Flush, TheTemporaryFileIsFlushedBeforeTheRenameAndTheFolderAfter)
{
    const fs::path home = fs::temp_directory_path() / ("ryke-flush-" + std::to_string(std::random_device{}()));
    const std::string folder = (home / "ryke").string(), file = folder + "/" + bestScoreFile;
    const char* kept = std::getenv("XDG_DATA_HOME");
    const std::string keptHome = kept ? kept : "";
    setenv("XDG_DATA_HOME", home.c_str(), 1);
    // Twice: the first save makes the folder and the file, the second replaces the file.
    for (const int kills : {5, 9}) {
        calls.clear();
        loadBestScores();
        recording = true;
        ASSERT_TRUE(recordBout(100, kills));
        recording = false;

        const std::size_t made = find(0, [](const Call& c) { return c.what == "temp"; });
        ASSERT_LT(made, calls.size()) << "no temporary file";
        const Call temp = calls[made];
        const auto on = [&](const char* what, int fd) {
            return [what, fd](const Call& c) { return c.what == what && c.fd == fd; };
        };
        const std::size_t renamed =
            find(made, [&](const Call& c) { return c.what == "rename" && c.path == temp.path && c.to == file; });
        ASSERT_LT(renamed, calls.size()) << "the temporary file is not renamed over " << file;
        std::size_t lastWrite = made;
        for (std::size_t i = find(made, on("write", temp.fd)); i < renamed; i = find(i + 1, on("write", temp.fd)))
            lastWrite = i;
        ASSERT_GT(lastWrite, made) << "nothing written to the temporary file";
        const std::size_t flushed = find(lastWrite, on("fsync", temp.fd));
        EXPECT_LT(flushed, find(lastWrite, on("close", temp.fd))) << "the temporary file is not flushed before closing";
        EXPECT_LT(flushed, renamed) << "the temporary file is not flushed before the rename";

        const std::size_t opened =
            find(renamed, [&](const Call& c) { return c.what == "open" && c.path == folder && c.fd >= 0; });
        ASSERT_LT(opened, calls.size()) << "the folder is not opened after the rename";
        EXPECT_LT(find(opened, on("fsync", calls[opened].fd)), find(opened, on("close", calls[opened].fd)))
            << "the folder is not flushed after the rename";
        EXPECT_EQ(kills, bestScoreAt(100).kills);
    }
    if (kept)
        setenv("XDG_DATA_HOME", keptHome.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
    fs::remove_all(home);
}

} // namespace
