#include "replay/script.h"

#include <allegro.h>

#include <algorithm>
#include <istream>
#include <ostream>
#include <sstream>

namespace {

struct NamedKey {
    const char* name;
    int code;
};
const NamedKey namedKeys[] = {{"D", KEY_D},         {"F", KEY_F},         {"G", KEY_G},     {"H", KEY_H},
                              {"J", KEY_J},         {"K", KEY_K},         {"SPACE", KEY_SPACE},
                              {"ENTER", KEY_ENTER}, {"ESC", KEY_ESC}, {"P", KEY_P}};

} // namespace

int keyCode(const std::string& name)
{
    for (const NamedKey& k : namedKeys)
        if (name == k.name)
            return k.code;
    return -1;
}

std::string keyName(int code)
{
    for (const NamedKey& k : namedKeys)
        if (code == k.code)
            return k.name;
    return "?";
}

bool readScript(std::istream& in, BoutScript& script, std::string& error)
{
    script = BoutScript();
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        std::istringstream words(line);
        std::string word;
        if (!(words >> word))
            continue;
        bool ok = true;
        if (word[0] == '#') {
            script.notes.push_back(line);
        } else if (word == "seed") {
            ok = static_cast<bool>(words >> script.seed);
            script.seeded = true;
        } else if (word == "frames") {
            std::string kind;
            words >> kind;
            script.intervals.clear();
            if (kind == "every" || kind == "list") {
                script.frames = kind == "every" ? BoutScript::Frames::every : BoutScript::Frames::list;
                for (int ms; words >> ms;)
                    script.intervals.push_back(ms);
                ok = !script.intervals.empty();
            } else if (kind == "random") {
                script.frames = BoutScript::Frames::random;
                ok = static_cast<bool>(words >> script.frameSeed >> script.shortest >> script.longest) &&
                     script.shortest <= script.longest;
            } else {
                ok = false;
            }
            for (int ms : script.intervals)
                ok = ok && ms > 0;
            ok = ok && (script.frames != BoutScript::Frames::random || script.shortest > 0);
        } else if (word == "stall") {
            int at = 0, ms = 0;
            ok = static_cast<bool>(words >> at >> ms) && ms > 0;
            script.stalls.emplace_back(at, ms);
        } else if (word == "down" || word == "up" || word == "tap") {
            int at = 0, length = 0;
            std::string name;
            ok = static_cast<bool>(words >> at >> name) && keyCode(name) >= 0;
            if (word == "tap")
                ok = ok && static_cast<bool>(words >> length) && length > 0;
            if (ok && word == "tap") {
                script.keys.push_back({at, keyCode(name), true});
                script.keys.push_back({at + length, keyCode(name), false});
            } else if (ok) {
                script.keys.push_back({at, keyCode(name), word == "down"});
            }
        } else if (word == "kill") {
            Kill kill{0, false};
            std::string side;
            ok = static_cast<bool>(words >> kill.at >> side) && (side == "R" || side == "L");
            kill.right = side == "R";
            script.kills.push_back(kill);
        } else if (word == "coach") {
            std::string onOff;
            ok = static_cast<bool>(words >> onOff) && (onOff == "on" || onOff == "off");
            script.coach = onOff == "on";
        } else if (word == "until") {
            ok = static_cast<bool>(words >> script.until);
        } else if (word == "last") {
            ok = static_cast<bool>(words >> script.lastFrame) && script.lastFrame > 0;
        } else {
            ok = false;
        }
        if (!ok) {
            error = "line " + std::to_string(number) + ": cannot read \"" + line + "\"";
            return false;
        }
    }
    putInTimeOrder(script);
    return true;
}

void putInTimeOrder(BoutScript& script)
{
    const auto earlier = [](const auto& a, const auto& b) { return a.at < b.at; };
    std::stable_sort(script.keys.begin(), script.keys.end(), earlier);
    std::stable_sort(script.stalls.begin(), script.stalls.end());
    std::stable_sort(script.kills.begin(), script.kills.end(), earlier);
}

int Dice::upTo(int n)
{
    state = state * 1664525u + 1013904223u;
    return static_cast<int>((state >> 8) % static_cast<unsigned>(n));
}

void writeScript(std::ostream& out, const BoutScript& script)
{
    for (const std::string& note : script.notes)
        out << note << "\n";
    if (script.seeded)
        out << "seed " << script.seed << "\n";
    if (script.frames == BoutScript::Frames::random) {
        out << "frames random " << script.frameSeed << " " << script.shortest << " " << script.longest << "\n";
    } else {
        out << "frames " << (script.frames == BoutScript::Frames::every ? "every" : "list");
        for (int ms : script.intervals)
            out << " " << ms;
        out << "\n";
    }
    if (script.coach)
        out << "coach on\n";
    for (const auto& stall : script.stalls)
        out << "stall " << stall.first << " " << stall.second << "\n";
    for (const KeyEvent& k : script.keys)
        out << (k.down ? "down " : "up ") << k.at << " " << keyName(k.key) << "\n";
    for (const Kill& k : script.kills)
        out << "kill " << k.at << (k.right ? " R" : " L") << "\n";
    out << "until " << script.until << "\n";
    if (script.lastFrame)
        out << "last " << script.lastFrame << "\n";
}

FrameSchedule::FrameSchedule(const BoutScript& s) : script(s), dice{s.frameSeed} {}

int FrameSchedule::next(int clockMs)
{
    int ms = script.intervals.empty() ? 0 : script.intervals.front();
    if (script.frames == BoutScript::Frames::list)
        ms = script.intervals[std::min(nextListed++, script.intervals.size() - 1)];
    else if (script.frames == BoutScript::Frames::random)
        ms = dice.between(script.shortest, script.longest);
    // A stall replaces the interval of the first frame that would be drawn at or after its hundredth.
    if (nextStall < script.stalls.size() && (clockMs + ms) / 10 >= script.stalls[nextStall].first)
        ms = script.stalls[nextStall++].second;
    return ms;
}
