#include "stores/store_file.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

FileRead readStoreFile(const std::string& folder, const std::string& name, std::string& bytes, std::string& problem,
                       std::size_t cap)
{
    bytes.clear();
    problem.clear();
    std::error_code error;
    if (!std::filesystem::exists(folder, error) && !error)
        return FileRead::missing;
    problem = foreignFolder(folder);
    if (!problem.empty())
        return FileRead::refused;
    return readPlainFile(folder + "/" + name, cap, bytes, problem);
}

std::string setAside(const std::string& folder, const std::string& name, std::string& problem)
{
    char day[16];
    const std::tm local = localTime(std::time(nullptr));
    std::strftime(day, sizeof day, "%Y-%m-%d", &local);
    const std::string from = folder + "/" + name;
    for (int copy = 1; copy < 100; ++copy) {
        const std::string to = from + ".damaged-" + day + (copy == 1 ? "" : "-" + std::to_string(copy));
        std::error_code error;
        // A link counts as taken whatever it points at.
        if (std::filesystem::symlink_status(to, error).type() != std::filesystem::file_type::not_found)
            continue;
        if (std::rename(from.c_str(), to.c_str()) != 0)
            break;
        return to;
    }
    problem = from + ": could not be set aside, so it is left as it is";
    return "";
}

std::string printable(const std::string& text, std::size_t length)
{
    static const char cut[] = "...";
    std::string shown;
    for (const char c : text) {
        if (shown.size() == length) {
            shown.replace(length < sizeof cut ? 0 : length - (sizeof cut - 1), std::string::npos, cut);
            break;
        }
        const auto byte = static_cast<unsigned char>(c);
        shown += byte < 0x20 || byte == 0x7f ? '?' : c;
    }
    return shown;
}
