#include "stores/best_score.h"

#include <cctype>
#include <cstdio>
#include <ctime>
#include <set>
#include <sstream>

#include "assist/speeds.h"
#include "platform/files.h"
#include "stores/store_file.h"

const char bestScoreFile[] = "best-scores";

namespace {

const char header[] = "ryke best scores";
// The last line: a file cut short lacks it.
const char footer[] = "end";
// Both lines hold a hundred enemies, so no bout kills more.
constexpr int mostKills = 200;
// How much of a line a message quotes.
constexpr std::size_t quotedLength = 40;

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
    // The path comes from the environment: shown as text, and never a screenful.
    if (told.insert(what).second)
        std::fprintf(stderr, "ryke: best scores: %s; playing on without them\n", printable(what, 400).c_str());
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

namespace {

// The file's text split in lines, each without its line end (LF or CRLF); the last one is
// incomplete when the text does not end in one.
std::vector<std::string> linesOf(const std::string& text, bool& endsInNewline)
{
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        const std::size_t next = end == std::string::npos ? text.size() : end + 1;
        if (end == std::string::npos)
            end = text.size();
        std::size_t last = end;
        if (last > at && text[last - 1] == '\r')
            --last;
        lines.push_back(text.substr(at, last - at));
        at = next;
    }
    endsInNewline = text.empty() || text.back() == '\n';
    return lines;
}

// A line the game writes: "SPEED KILLS YYYY-MM-DD" for a speed it offers. False for any other.
bool parseScore(const std::string& line, int& speed, BestScore& best)
{
    std::istringstream fields(line);
    std::string rest;
    best.kills = -1;
    return fields >> speed >> best.kills >> best.date && !(fields >> rest) && isAssistSpeed(speed) &&
           best.kills >= 0 && best.kills <= mostKills && isDate(best.date);
}

// What a file's bytes hold; problem says why they are not a best scores file.
BestScores parseBestScores(const std::string& text, const std::string& path, std::string& problem,
                           std::vector<std::string>* otherLines)
{
    bool complete = false;
    const std::vector<std::string> lines = linesOf(text, complete);
    if (lines.empty() || lines[0] != header) {
        problem = path + ": damaged (not a best scores file: it begins '" +
                  printable(lines.empty() ? "" : lines[0], quotedLength) + "')";
        return {};
    }
    BestScores scores;
    std::vector<std::string> others;
    std::size_t at = 1;
    for (; at < lines.size() && lines[at] != footer; ++at) {
        int speed = 0;
        BestScore best;
        if (parseScore(lines[at], speed, best)) {
            if (best.kills > scores[speed].kills || scores[speed].date.empty())
                scores[speed] = best;
        } else if (!lines[at].empty()) {
            others.push_back(lines[at]);
        }
    }
    // The footer written last, whole: a file cut short lacks it.
    if (at == lines.size() || (at + 1 == lines.size() && !complete)) {
        problem = path + ": damaged (cut short)";
        return {};
    }
    for (++at; at < lines.size(); ++at)
        if (!lines[at].empty()) {
            problem = path + ": damaged (lines after its end: '" + printable(lines[at], quotedLength) + "')";
            return {};
        }
    if (otherLines)
        *otherLines = others;
    return scores;
}

} // namespace

BestScores readBestScores(const std::string& path, std::string& problem, std::vector<std::string>* otherLines)
{
    if (otherLines)
        otherLines->clear();
    const std::size_t slash = path.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
    std::string text;
    if (readStoreFile(folder, path.substr(slash + 1), text, problem) != FileRead::read)
        return {};
    return parseBestScores(text, path, problem, otherLines);
}

bool writeBestScores(const std::string& folder, const BestScores& scores, std::string& problem,
                     const std::vector<std::string>& otherLines)
{
    if (!makePrivateFolder(folder, problem))
        return false;
    problem = foreignFolder(folder);
    if (!problem.empty())
        return false;
    std::string text = std::string(header) + "\n";
    for (const auto& [speed, best] : scores)
        text += std::to_string(speed) + " " + std::to_string(best.kills) + " " + best.date + "\n";
    for (const std::string& line : otherLines)
        text += line + "\n";
    text += std::string(footer) + "\n";
    return replaceFile(folder, bestScoreFile, text, problem);
}

namespace {

// Lines of the file the game does not know, kept through its saves.
std::vector<std::string> othersKept;

// What the file holds, read under its lock: a file that cannot be read or understood is set
// aside first, and the player told where. False when the file is neither read nor out of the way
// (a save must then leave it as it is).
bool readUnderLock(const std::string& folder, BestScores& onDisk, std::vector<std::string>& others)
{
    const std::string path = folder + "/" + bestScoreFile;
    std::string text, problem;
    switch (readStoreFile(folder, bestScoreFile, text, problem)) {
    case FileRead::missing:
        onDisk.clear();
        others.clear();
        return true;
    case FileRead::stopped:
        return false;
    case FileRead::read:
        onDisk = parseBestScores(text, path, problem, &others);
        if (problem.empty())
            return true;
        break;
    case FileRead::refused:
        break;
    }
    // The folder itself is not to be trusted: nothing in it is touched.
    if (!foreignFolder(folder).empty()) {
        tell(problem);
        return false;
    }
    std::string why;
    const std::string aside = setAside(folder, bestScoreFile, why);
    tell(aside.empty() ? problem + "; " + why : problem + "; set aside as " + aside);
    onDisk.clear();
    others.clear();
    return !aside.empty();
}

} // namespace

void loadBestScores()
{
    known.clear();
    othersKept.clear();
    const std::string folder = folderOrTell();
    if (folder.empty())
        return;
    std::string text, problem;
    const FileRead found = readStoreFile(folder, bestScoreFile, text, problem);
    if (found == FileRead::missing || found == FileRead::stopped)
        return;
    if (found == FileRead::read) {
        known = parseBestScores(text, folder + "/" + bestScoreFile, problem, &othersKept);
        if (problem.empty())
            return;
    }
    if (!foreignFolder(folder).empty()) {
        tell(problem);
        return;
    }
    // Set aside under the lock, so that no other game is saving meanwhile.
    const FileLock lock(folder, bestScoreFile);
    if (!lock.held()) {
        tell(problem);
        return;
    }
    readUnderLock(folder, known, othersKept);
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
    if (!makePrivateFolder(folder, problem) || !(problem = foreignFolder(folder)).empty()) {
        tell(problem);
        return true;
    }
    // Read, merge, write and rename with no other game saving in between.
    const FileLock lock(folder, bestScoreFile);
    if (!lock.held()) {
        tell(lock.problem());
        return true;
    }
    removeLeftoverTemporaries(folder, bestScoreFile);
    BestScores onDisk;
    if (!readUnderLock(folder, onDisk, othersKept))
        return true;
    for (const auto& [speed, best] : onDisk)
        if (best.kills > bestScoreAt(speed).kills)
            known[speed] = best;
    if (!writeBestScores(folder, known, problem, othersKept))
        tell(problem);
    return true;
}
