#include "stores/best_score.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <set>
#include <sstream>

#include "assist/speeds.h"
#include "platform/files.h"

const char bestScoreFile[] = "best-scores";

namespace {

const char header[] = "ryke best scores";
// The last line: a file cut short lacks it.
const char footer[] = "end";
// Both lines hold a hundred enemies, so no bout kills more.
constexpr int mostKills = 200;

bool isDate(const std::string& text)
{
    static const char shape[] = "dddd-dd-dd";
    if (text.size() != sizeof shape - 1)
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (shape[i] == 'd' ? !std::isdigit(static_cast<unsigned char>(text[i])) : text[i] != shape[i])
            return false;
    return true;
}

// Today's date in the player's time zone, YYYY-MM-DD.
std::string localDate()
{
    const std::tm local = localTime(std::time(nullptr));
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

BestScores known;
// Each kind of trouble is told once a run, not after every bout.
std::set<std::string> told;

void tell(const std::string& what)
{
    if (told.insert(what).second)
        std::fprintf(stderr, "ryke: best scores: %s; playing on without them\n", what.c_str());
}

// The scores' folder; empty, once the player is told why, when there is none.
std::string folderOrTell()
{
    const std::string folder = bestScoreFolder();
    if (folder.empty())
        tell(std::string("no home folder (") + noPlayerDataFolder + ")");
    return folder;
}

} // namespace

std::string bestScoreFolder()
{
    const std::string data = playerDataFolder();
    return data.empty() ? "" : data + "/ryke";
}

BestScores readBestScores(const std::string& path, std::string& problem)
{
    problem.clear();
    std::ifstream in(path);
    if (!in) {
        if (errno != ENOENT)
            problem = path + ": cannot be read: " + std::strerror(errno);
        return {};
    }
    BestScores scores;
    std::string line;
    bool ended = false;
    if (!std::getline(in, line) || line != header) {
        problem = path + ": damaged (not a best scores file)";
        return {};
    }
    while (std::getline(in, line)) {
        if (ended) {
            problem = path + ": damaged (lines after its end)";
            return {};
        }
        if (line == footer) {
            ended = true;
            continue;
        }
        std::istringstream fields(line);
        int speed = 0, kills = -1;
        std::string date, rest;
        if (!(fields >> speed >> kills >> date) || (fields >> rest) || !isAssistSpeed(speed) || kills < 0 ||
            kills > mostKills || !isDate(date) || scores.count(speed)) {
            problem = path + ": damaged (line '" + line + "')";
            return {};
        }
        scores[speed] = {kills, date};
    }
    if (in.bad()) {
        problem = path + ": cannot be read";
        return {};
    }
    if (!ended) {
        problem = path + ": damaged (cut short)";
        return {};
    }
    return scores;
}

bool writeBestScores(const std::string& folder, const BestScores& scores, std::string& problem)
{
    if (!makePrivateFolder(folder, problem))
        return false;
    std::string text = std::string(header) + "\n";
    for (const auto& [speed, best] : scores)
        text += std::to_string(speed) + " " + std::to_string(best.kills) + " " + best.date + "\n";
    text += std::string(footer) + "\n";
    return replaceFile(folder, bestScoreFile, text, problem);
}

void loadBestScores()
{
    const std::string folder = folderOrTell();
    if (folder.empty())
        return;
    std::string problem;
    known = readBestScores(folder + "/" + bestScoreFile, problem);
    if (!problem.empty())
        tell(problem);
}

BestScore bestScoreAt(int speedPercent)
{
    const auto found = known.find(speedPercent);
    return found == known.end() ? BestScore{} : found->second;
}

bool recordBout(int speedPercent, int kills)
{
    if (kills <= bestScoreAt(speedPercent).kills)
        return false;
    known[speedPercent] = {kills, localDate()};
    const std::string folder = folderOrTell();
    if (folder.empty())
        return true;
    std::string problem;
    BestScores onDisk = readBestScores(folder + "/" + bestScoreFile, problem);
    for (const auto& [speed, best] : onDisk)
        if (best.kills > bestScoreAt(speed).kills)
            known[speed] = best;
    if (!writeBestScores(folder, known, problem))
        tell(problem);
    return true;
}
