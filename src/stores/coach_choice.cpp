#include "stores/coach_choice.h"

#include <cstdio>
#include <sstream>

#include "platform/files.h"
#include "stores/best_score.h"
#include "stores/store_file.h"

const char coachChoiceFile[] = "coach";

namespace {

const char header[] = "ryke coach";
const char footer[] = "end";

// clang-format off
//                                     mode                          word
const struct { CoachChoice::Mode mode; const char* word; } modeWords[] = {
    {CoachChoice::Mode::firstBouts, "first-bouts"},
    {CoachChoice::Mode::on,         "on"},
    {CoachChoice::Mode::off,        "off"}};
// clang-format on

CoachChoice known;
bool told = false;

void tell(const std::string& what)
{
    if (told)
        return;
    told = true;
    std::fprintf(stderr, "ryke: coach: %s; playing on without it kept\n", printable(what, 400).c_str());
}

void keep()
{
    const std::string folder = bestScoreFolder();
    std::string problem;
    if (folder.empty())
        tell(std::string("no home folder (") + noPlayerDataFolder + ")");
    else if (!writeCoachChoice(folder, known, problem))
        tell(problem);
}

} // namespace

bool coachWatches(const CoachChoice& choice)
{
    return choice.mode == CoachChoice::Mode::on ||
           (choice.mode == CoachChoice::Mode::firstBouts && choice.bouts < coachedBouts);
}

CoachChoice switched(CoachChoice choice)
{
    choice.mode = coachWatches(choice) ? CoachChoice::Mode::off : CoachChoice::Mode::on;
    return choice;
}

CoachChoice readCoachChoice(const std::string& path, std::string& problem)
{
    problem.clear();
    const std::size_t slash = path.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
    std::string text;
    if (readStoreFile(folder, path.substr(slash + 1), text, problem) != FileRead::read)
        return {};
    std::istringstream in(text);
    std::string head, modeLine, boutsLine, end, extra;
    std::getline(in, head);
    std::getline(in, modeLine);
    std::getline(in, boutsLine);
    std::getline(in, end);
    CoachChoice choice;
    bool modeKnown = false;
    for (const auto& entry : modeWords)
        if (modeLine == std::string("coach ") + entry.word) {
            choice.mode = entry.mode;
            modeKnown = true;
        }
    std::istringstream fields(boutsLine);
    std::string word, rest;
    const bool boutsRead = (fields >> word >> choice.bouts) && word == "bouts" && !(fields >> rest) && choice.bouts >= 0;
    if (head != header || !modeKnown || !boutsRead || end != footer || std::getline(in, extra)) {
        problem = path + ": damaged";
        return {};
    }
    return choice;
}

bool writeCoachChoice(const std::string& folder, const CoachChoice& choice, std::string& problem)
{
    if (!makePrivateFolder(folder, problem) || !(problem = foreignFolder(folder)).empty())
        return false;
    // With no other game saving meanwhile; a damaged choice is only replaced, nothing in it to keep.
    const FileLock lock(folder, coachChoiceFile);
    if (!lock.held()) {
        problem = lock.problem();
        return false;
    }
    removeLeftoverTemporaries(folder, coachChoiceFile);
    std::string text = std::string(header) + "\n";
    for (const auto& entry : modeWords)
        if (entry.mode == choice.mode)
            text += std::string("coach ") + entry.word + "\n";
    text += "bouts " + std::to_string(choice.bouts) + "\n" + footer + "\n";
    return replaceFile(folder, coachChoiceFile, text, problem);
}

void loadCoachChoice()
{
    const std::string folder = bestScoreFolder();
    if (folder.empty())
        return;
    std::string problem;
    known = readCoachChoice(folder + "/" + coachChoiceFile, problem);
    if (!problem.empty())
        tell(problem);
}

CoachChoice coachChoice() { return known; }

void switchCoach()
{
    known = switched(known);
    keep();
}

void countBout()
{
    // No need to count past the coached bouts.
    if (known.bouts >= coachedBouts)
        return;
    ++known.bouts;
    keep();
}
