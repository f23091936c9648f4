#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <thread>

#include "platform/signals.h"

namespace {

bool writeAll(int fd, const std::string& text)
{
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

std::tm localTime(std::time_t when)
{
    std::tm local{};
    localtime_r(&when, &local);
    return local;
}

bool makePrivateFolder(const std::string& folder, std::string& problem)
{
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            problem = part + ": " + std::strerror(errno);
            return false;
        }
        if (slash == std::string::npos)
            return true;
    }
}

bool replaceFile(const std::string& folder, const std::string& name, const std::string& text, std::string& problem)
{
    std::string temporary = folder + "/." + name + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        problem = folder + ": cannot write there: " + std::strerror(errno);
        return false;
    }
    const bool written = writeAll(fd, text) && fchmod(fd, 0600) == 0 && fsync(fd) == 0;
    const int error = errno;
    const bool closed = close(fd) == 0;
    const std::string path = folder + "/" + name;
    if (!written || !closed || rename(temporary.c_str(), path.c_str()) != 0) {
        problem = path + ": cannot be written: " + std::strerror(written && closed ? errno : error);
        unlink(temporary.c_str());
        return false;
    }
    keepFolder(folder);
    return true;
}

FileRead readPlainFile(const std::string& path, std::size_t cap, std::string& bytes, std::string& problem)
{
    bytes.clear();
    problem.clear();
    // Looked at first, so that a device in the file's place is not even opened; checked again
    // on what was opened, in case the file changed in between.
    struct stat info;
    if (stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT)
            return FileRead::missing;
        problem = path + ": cannot be read: " + std::strerror(errno);
        return FileRead::refused;
    }
    const auto plain = [&](const struct stat& found) {
        if (!S_ISREG(found.st_mode))
            problem = path + (S_ISDIR(found.st_mode) ? ": is a folder" : ": is not a plain file");
        else if (static_cast<unsigned long long>(found.st_size) > cap)
            problem = path + ": is too large (" + std::to_string(found.st_size) + " bytes)";
        return problem.empty();
    };
    if (!plain(info))
        return FileRead::refused;
    // Without O_NONBLOCK, opening a pipe waits for a writer that may never come.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        problem = path + ": cannot be read: " + std::strerror(errno);
        return errno == ENOENT ? FileRead::missing : FileRead::refused;
    }
    FileRead result = FileRead::read;
    if (fstat(fd, &info) != 0 || !plain(info)) {
        if (problem.empty())
            problem = path + ": cannot be read: " + std::strerror(errno);
        result = FileRead::refused;
    }
    char piece[4096];
    while (result == FileRead::read) {
        if (stopSignal.load() != 0) {
            result = FileRead::stopped;
            break;
        }
        const ssize_t n = read(fd, piece, sizeof piece);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            problem = path + ": cannot be read: " + std::strerror(errno);
            result = FileRead::refused;
        } else if (n == 0) {
            break;
        } else if (bytes.size() + static_cast<std::size_t>(n) > cap) {
            problem = path + ": is too large (it grew while read)";
            result = FileRead::refused;
        } else {
            bytes.append(piece, static_cast<std::size_t>(n));
        }
    }
    close(fd);
    if (result != FileRead::read)
        bytes.clear();
    return result;
}

std::string foreignFolder(const std::string& folder)
{
    struct stat info;
    if (stat(folder.c_str(), &info) != 0)
        return folder + ": " + std::strerror(errno);
    if (!S_ISDIR(info.st_mode))
        return folder + ": is not a folder";
    if (info.st_uid != geteuid())
        return folder + ": belongs to another user (uid " + std::to_string(info.st_uid) + ")";
    if (info.st_mode & (S_IWGRP | S_IWOTH))
        return folder + ": others may write in it";
    return "";
}

FileLock::FileLock(const std::string& folder, const std::string& name)
{
    const std::string path = folder + "/" + name + ".lock";
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0600);
    struct stat info;
    if (fd < 0 || fstat(fd, &info) != 0) {
        why = path + ": cannot be locked: " + std::strerror(errno);
    } else if (!S_ISREG(info.st_mode)) {
        why = path + ": is not a plain file";
    }
    if (!why.empty()) {
        if (fd >= 0)
            close(fd);
        return;
    }
    // Another game holds it for the few milliseconds of its save; a stop signal ends the wait.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            why = path + ": cannot be locked: " + std::strerror(errno);
            break;
        }
        if (stopSignal.load() != 0 || std::chrono::steady_clock::now() > deadline) {
            why = path + ": another game keeps it locked";
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (!why.empty()) {
        close(fd);
        return;
    }
    handle = fd;
}

FileLock::~FileLock()
{
    if (handle != -1)
        close(static_cast<int>(handle));
}

void removeLeftoverTemporaries(const std::string& folder, const std::string& name)
{
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return;
    // replaceFile's temporaries: "." name "." and mkstemp's six letters.
    const std::string prefix = "." + name + ".";
    while (const dirent* entry = readdir(dir)) {
        const std::string found = entry->d_name;
        if (found.size() == prefix.size() + 6 && found.compare(0, prefix.size(), prefix) == 0)
            unlinkat(dirfd(dir), entry->d_name, 0);
    }
    closedir(dir);
}
