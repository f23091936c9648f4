#include "settings/settings.h"

#include <allegro.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>
#include <vector>

#include "assist/speeds.h"
#include "display/fit.h"
#include "display/window.h"
#include "platform/config_folder.h"
#include "platform/files.h"
#include "platform/pace.h"
#include "shell/timer.h"
#include "stores/store_file.h"

const char settingsFile[] = "ryke.cfg";

namespace {

const char gameSection[] = "ryke";
const char keysSection[] = "keys";

const char opening[] = "# Ryke's settings. Edit them with the game closed; a line the game does not know is kept.\n"
                        "# fps caps the frames drawn a second (10 to 1000; 0 draws as many as the machine allows).\n"
                        "# coach: on, off, or first-bouts (on until bouts_played reaches 5).\n";
const char keysNote[] = "# Each key does one thing facing right and its mirror facing left: the attack keys are on\n"
                        "# the side the hero faces. left_high is the high attack facing left, the high kick facing right.\n";

// clang-format off
//                                     mode                          word
const struct { CoachChoice::Mode mode; const char* word; } coachWords[] = {
    {CoachChoice::Mode::firstBouts, "first-bouts"},
    {CoachChoice::Mode::on,         "on"},
    {CoachChoice::Mode::off,        "off"}};
// clang-format on

struct Line {
    std::string section, name, value; // name empty: not a setting (blank, comment, section)
};

std::string trim(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// What a line of the library's config format holds; false when it is none of its kinds.
bool parseLine(const std::string& raw, std::string& section, Line& line)
{
    const std::string text = trim(raw);
    line = {section, "", ""};
    if (text.empty() || text[0] == '#' || text[0] == ';')
        return true;
    if (text.front() == '[') {
        if (text.back() != ']')
            return false;
        section = trim(text.substr(1, text.size() - 2));
        line.section = section;
        return true;
    }
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos || equals == 0)
        return false;
    line.name = trim(text.substr(0, equals));
    line.value = trim(text.substr(equals + 1));
    return !line.name.empty();
}

// The game's own lines for these settings, section by section, in the order they are written.
std::vector<Line> gameLines(const Settings& settings)
{
    std::vector<Line> lines = {{gameSection, "speed", std::to_string(settings.speed)},
                               {gameSection, "fps", std::to_string(settings.fps)},
                               {gameSection, "scale", std::to_string(settings.scale)},
                               {gameSection, "fullscreen", settings.fullscreen ? "yes" : "no"}};
    for (const auto& entry : coachWords)
        if (entry.mode == settings.coach.mode)
            lines.push_back({gameSection, "coach", entry.word});
    lines.push_back({gameSection, "bouts_played", std::to_string(settings.coach.bouts)});
    for (int s = 0; s < slotCount; ++s)
        lines.push_back({keysSection, keySlots[s].name, keyLabel(settings.keys[s])});
    return lines;
}

// Reads the game's values through the library's config routines, in a config state of its own.
std::string readValues(const std::string& text, Settings& settings)
{
    push_config_state();
    set_config_data(text.data(), static_cast<int>(text.size()));
    const std::string speed = get_config_string(gameSection, "speed", "100");
    const std::string fps = get_config_string(gameSection, "fps", "0");
    const std::string scale = get_config_string(gameSection, "scale", "1");
    const std::string fullscreen = get_config_string(gameSection, "fullscreen", "no");
    const std::string coach = get_config_string(gameSection, "coach", "first-bouts");
    const std::string bouts = get_config_string(gameSection, "bouts_played", "0");
    std::vector<std::string> keys;
    for (const KeySlot& slot : keySlots)
        keys.push_back(get_config_string(keysSection, slot.name, keyLabel(slot.defaultKey).c_str()));
    pop_config_state();

    settings.speed = std::atoi(speed.c_str());
    if (speed.find_first_not_of("0123456789") != std::string::npos || !isAssistSpeed(settings.speed))
        return "speed = " + speed + " is not one of " + speedChoices();
    settings.fps = std::atoi(fps.c_str());
    if (fps.size() > 4 || fps.find_first_not_of("0123456789") != std::string::npos ||
        (settings.fps && (settings.fps < fewestFrames || settings.fps > mostFrames)))
        return "fps = " + fps + " is neither 0 (no cap) nor a whole number from " + std::to_string(fewestFrames) +
               " to " + std::to_string(mostFrames);
    settings.scale = std::atoi(scale.c_str());
    if (scale.size() != 1 || settings.scale < 1 || settings.scale > largestScaleAsked)
        return "scale = " + scale + " is not a whole number from 1 to 8";
    if (fullscreen != "yes" && fullscreen != "no")
        return "fullscreen = " + fullscreen + " is neither yes nor no";
    settings.fullscreen = fullscreen == "yes";
    bool coachKnown = false;
    for (const auto& entry : coachWords)
        if (coach == entry.word) {
            settings.coach.mode = entry.mode;
            coachKnown = true;
        }
    if (!coachKnown)
        return "coach = " + coach + " is none of first-bouts, on, off";
    settings.coach.bouts = std::atoi(bouts.c_str());
    if (bouts.empty() || bouts.size() > 9 || bouts.find_first_not_of("0123456789") != std::string::npos)
        return "bouts_played = " + bouts + " is not a count of bouts (a whole number, at most 9 digits)";
    for (int s = 0; s < slotCount; ++s) {
        settings.keys[s] = keyLabelled(keys[s]);
        if (settings.keys[s] < 0)
            return std::string("[keys] ") + keySlots[s].name + " = " + keys[s] + " is no key the game knows";
    }
    for (int s = 0; s < slotCount; ++s) {
        const std::string refused = refusalFor(s, settings.keys[s], settings.keys);
        if (!refused.empty())
            return std::string("[keys] ") + keySlots[s].name + ": " + refused;
    }
    return "";
}

// The text as it was read at start-up: "" for none. Until the file was read and found sound,
// nothing is written: a damaged file never, and a run that never read it (a test) never either.
std::string readText;
bool fileSound = false;
std::set<std::string> told;

// Paths and quotes in it may hold any byte: they are shown printable, and the line kept short.
void tell(const std::string& what)
{
    if (told.insert(what).second)
        std::fprintf(stderr, "ryke: settings: %s\n", printable(what, 400).c_str());
}

} // namespace

Settings::Settings()
{
    for (int s = 0; s < slotCount; ++s)
        keys[s] = keySlots[s].defaultKey;
}

Settings readSettings(const std::string& text, std::string& problem)
{
    problem.clear();
    if (text.size() > storeFileCap) {
        problem = "it is too large to be settings (" + std::to_string(text.size() / 1024) + " KB)";
        return {};
    }
    if (text.find('\0') != std::string::npos) {
        problem = "it is not text";
        return {};
    }
    std::string section;
    const std::vector<std::string> lines = linesOf(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        Line line;
        if (!parseLine(lines[i], section, line)) {
            problem = "line " + std::to_string(i + 1) + " is not a setting: '" + printable(trim(lines[i]), 40) + "'";
            return {};
        }
    }
    Settings settings;
    problem = readValues(text, settings);
    return problem.empty() ? settings : Settings();
}

std::string settingsText(const Settings& settings, const std::string& old)
{
    const std::vector<Line> ours = gameLines(settings);
    std::vector<bool> written(ours.size(), false);
    std::string out = old.empty() ? opening : "";
    // Before a section ends, the lines of it the old text lacked.
    const auto finishSection = [&](const std::string& section) {
        for (std::size_t i = 0; i < ours.size(); ++i)
            if (!written[i] && ours[i].section == section) {
                out += ours[i].name + " = " + ours[i].value + "\n";
                written[i] = true;
            }
    };
    std::string section;
    for (const std::string& raw : linesOf(old)) {
        const std::string before = section;
        Line line;
        parseLine(raw, section, line);
        if (section != before)
            finishSection(before);
        bool replaced = false;
        for (std::size_t i = 0; i < ours.size() && !line.name.empty(); ++i)
            if (!written[i] && ours[i].section == line.section && ours[i].name == line.name) {
                out += ours[i].name + " = " + ours[i].value + "\n";
                written[i] = replaced = true;
            }
        // A second line of a setting already written would win over it: it goes.
        bool repeated = false;
        for (std::size_t i = 0; i < ours.size() && !line.name.empty() && !replaced; ++i)
            repeated = repeated || (ours[i].section == line.section && ours[i].name == line.name);
        if (!replaced && !repeated)
            out += raw + "\n";
    }
    finishSection(section);
    for (const char* wanted : {gameSection, keysSection}) {
        bool missing = false;
        for (std::size_t i = 0; i < ours.size(); ++i)
            missing = missing || (!written[i] && ours[i].section == wanted);
        if (!missing)
            continue;
        out += std::string("[") + wanted + "]\n";
        if (std::string(wanted) == keysSection)
            out += keysNote;
        finishSection(wanted);
    }
    return out;
}

std::string settingsFolder()
{
    const std::string config = playerConfigFolder();
    return config.empty() ? "" : config + "/ryke";
}

bool saveSettings(const std::string& folder, const Settings& settings, std::string& problem)
{
    problem.clear();
    if (!makePrivateFolder(folder, problem) || !(problem = foreignFolder(folder)).empty())
        return false;
    // With no other game saving meanwhile, so that what one kept the other reads and keeps too.
    const FileLock lock(folder, settingsFile);
    if (!lock.held()) {
        problem = lock.problem();
        return false;
    }
    removeLeftoverTemporaries(folder, settingsFile);
    // Whatever was put in the file meanwhile is kept, if the file is still sound.
    std::string now;
    const FileRead read = readStoreFile(folder, settingsFile, now, problem);
    if (read == FileRead::stopped)
        return false;
    if (read == FileRead::refused || (readSettings(now, problem), !problem.empty())) {
        problem = folder + "/" + settingsFile + " is damaged: " + problem + "; it is left as it is";
        return false;
    }
    return replaceFile(folder, settingsFile, settingsText(settings, now), problem);
}

namespace {

// The settings as the file has them, kept up to date as the player changes them in the game.
Settings kept;

void save()
{
    std::string problem;
    if (fileSound && !saveSettings(settingsFolder(), kept, problem) && !problem.empty())
        tell(problem);
}

} // namespace

void loadSettings()
{
    const std::string folder = settingsFolder();
    if (folder.empty()) {
        tell("no home folder (neither XDG_CONFIG_HOME nor HOME is set); choices are not kept");
        return;
    }
    const std::string path = folder + "/" + settingsFile;
    std::string problem;
    const FileRead read = readStoreFile(folder, settingsFile, readText, problem);
    if (read == FileRead::refused) {
        tell(problem + "; playing with the defaults, and the file is left as it is");
        return;
    }
    if (read == FileRead::stopped)
        return;
    const Settings settings = readSettings(readText, problem);
    if (!problem.empty()) {
        tell(path + " is damaged: " + problem + "; playing with the defaults, and the file is left as it is");
        return;
    }
    kept = settings;
    fileSound = true;
    setAssistSpeed(settings.speed);
    capFrames(settings.fps);
    screenChoice = {settings.fullscreen, settings.scale};
    for (int s = 0; s < slotCount; ++s)
        boundKeys[s] = settings.keys[s];
    applyKeys();
    // The library's own sections (a joystick's device, a sound driver) hold for this run too.
    if (!readText.empty())
        override_config_data(readText.data(), static_cast<int>(readText.size()));
}

void keepSpeed(int speed)
{
    kept.speed = speed;
    save();
}

void keepFullscreen(bool fullscreen)
{
    kept.fullscreen = fullscreen;
    save();
}

void keepKeys()
{
    for (int s = 0; s < slotCount; ++s)
        kept.keys[s] = boundKeys[s];
    save();
}

CoachChoice coachChoice() { return kept.coach; }

void switchCoach()
{
    kept.coach = switched(kept.coach);
    save();
}

void countBout()
{
    if (kept.coach.bouts >= coachedBouts)
        return;
    ++kept.coach.bouts;
    save();
}
