// Windows has neither mkstemp nor a rename that replaces:
// a temporary file made exclusively, committed to the disk, then moved over the old one with
// MoveFileEx.
#include "platform/files.h"

#include <windows.h>

#include <direct.h>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <thread>

#include "platform/signals.h"

std::tm localTime(std::time_t when)
{
    std::tm local{};
    localtime_s(&local, &when);
    return local;
}

bool makePrivateFolder(const std::string& folder, std::string& problem)
{
    for (std::size_t slash = folder.find_first_of("/\\", 1);; slash = folder.find_first_of("/\\", slash + 1)) {
        const std::string part = folder.substr(0, slash);
        // "C:" names a drive, not a folder to make.
        if (!(part.size() == 2 && part[1] == ':') && _mkdir(part.c_str()) != 0 && errno != EEXIST) {
            problem = part + ": " + std::strerror(errno);
            return false;
        }
        if (slash == std::string::npos)
            return true;
    }
}

bool replaceFile(const std::string& folder, const std::string& name, const std::string& text, std::string& problem)
{
    const std::string path = folder + "/" + name;
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = folder + "/." + name + "." + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(attempt);
        fd = _open(temporary.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        problem = folder + ": cannot write there: " + std::strerror(errno);
        return false;
    }
    const bool written = _write(fd, text.data(), static_cast<unsigned>(text.size())) == static_cast<int>(text.size()) &&
                         _commit(fd) == 0;
    const bool closed = _close(fd) == 0;
    if (!written || !closed ||
        !MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        problem = path + ": cannot be written";
        _unlink(temporary.c_str());
        return false;
    }
    return true;
}

FileRead readPlainFile(const std::string& path, std::size_t cap, std::string& bytes, std::string& problem)
{
    bytes.clear();
    problem.clear();
    struct _stat64 info;
    if (_stat64(path.c_str(), &info) != 0) {
        if (errno == ENOENT)
            return FileRead::missing;
        problem = path + ": cannot be read: " + std::strerror(errno);
        return FileRead::refused;
    }
    const auto plain = [&](const struct _stat64& found) {
        if (!(found.st_mode & _S_IFREG))
            problem = path + ((found.st_mode & _S_IFDIR) ? ": is a folder" : ": is not a plain file");
        else if (static_cast<unsigned long long>(found.st_size) > cap)
            problem = path + ": is too large (" + std::to_string(found.st_size) + " bytes)";
        return problem.empty();
    };
    if (!plain(info))
        return FileRead::refused;
    const int fd = _open(path.c_str(), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        problem = path + ": cannot be read: " + std::strerror(errno);
        return errno == ENOENT ? FileRead::missing : FileRead::refused;
    }
    FileRead result = FileRead::read;
    if (_fstat64(fd, &info) != 0 || !plain(info)) {
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
        const int n = _read(fd, piece, sizeof piece);
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
    _close(fd);
    if (result != FileRead::read)
        bytes.clear();
    return result;
}

std::string foreignFolder(const std::string&) { return ""; }

FileLock::FileLock(const std::string& folder, const std::string& name)
{
    const std::string path = folder + "/" + name + ".lock";
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        why = path + ": cannot be locked (error " + std::to_string(GetLastError()) + ")";
        return;
    }
    // Another game holds it for the few milliseconds of its save; a stop signal ends the wait.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    for (;;) {
        OVERLAPPED at = {};
        if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at))
            break;
        if (GetLastError() != ERROR_LOCK_VIOLATION) {
            why = path + ": cannot be locked (error " + std::to_string(GetLastError()) + ")";
            break;
        }
        if (stopSignal.load() != 0 || std::chrono::steady_clock::now() > deadline) {
            why = path + ": another game keeps it locked";
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (!why.empty()) {
        CloseHandle(file);
        return;
    }
    handle = reinterpret_cast<std::intptr_t>(file);
}

FileLock::~FileLock()
{
    // Closing the handle releases its lock.
    if (handle != -1)
        CloseHandle(reinterpret_cast<HANDLE>(handle));
}

void removeLeftoverTemporaries(const std::string& folder, const std::string& name)
{
    // replaceFile's temporaries: "." name "." then the process and the attempt.
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "/." + name + ".*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileA((folder + "/" + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
}
