// ryke_replay: plays bout scripts headless, records and checks their traces, and soaks the
// game in random bouts. Run it from the folder that holds images/ and sound/.

#include <allegro.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <set>

#include "replay/runner.h"
#include "replay/soak.h"

namespace {

const char usage[] =
    "usage: ryke_replay trace SCRIPT [TRACE]       plays a bout script, writes its trace\n"
    "       ryke_replay check SCRIPT TRACE         plays it again, reports the first difference\n"
    "       ryke_replay shots SCRIPT DIR FRAME...  saves those frames as DIR/frame-N.bmp\n"
    "       ryke_replay soak COUNT [FIRST] [FILE]  random bouts from seed FIRST (default 1);\n"
    "                                              a failing bout is written to FILE\n";

bool load(const char* path, BoutScript& script)
{
    std::ifstream in(path);
    std::string error;
    if (!in) {
        std::cerr << path << ": cannot be read\n";
        return false;
    }
    if (!readScript(in, script, error)) {
        std::cerr << path << ": " << error << "\n";
        return false;
    }
    return true;
}

// "f=3 t=6 hero=..." split into its named fields; quoted values keep their spaces.
std::vector<std::pair<std::string, std::string>> fields(const std::string& line)
{
    std::vector<std::pair<std::string, std::string>> all;
    std::size_t i = 0;
    while (i < line.size()) {
        const std::size_t eq = line.find('=', i);
        if (eq == std::string::npos)
            break;
        std::size_t end = eq + 1;
        if (end < line.size() && line[end] == '"')
            end = line.find('"', end + 1) + 1;
        end = line.find(' ', end);
        if (end == std::string::npos)
            end = line.size();
        all.emplace_back(line.substr(i, eq - i), line.substr(eq + 1, end - eq - 1));
        i = end + 1;
    }
    return all;
}

// The first way the lines differ, in words.
std::string difference(const std::string& expected, const std::string& actual)
{
    const auto want = fields(expected), got = fields(actual);
    for (std::size_t i = 0; i < want.size() || i < got.size(); ++i) {
        const std::string name = i < want.size() ? want[i].first : got[i].first;
        const std::string w = i < want.size() ? want[i].second : "(nothing)";
        const std::string g = i < got.size() ? got[i].second : "(nothing)";
        if (w != g)
            return name + " was expected to be\n    " + w + "\n  but is\n    " + g;
    }
    return "the lines differ";
}

int trace(const char* scriptPath, const char* tracePath)
{
    BoutScript script;
    if (!load(scriptPath, script))
        return 2;
    const auto start = std::chrono::steady_clock::now();
    const BoutRun run = runBout(script);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::ofstream file;
    if (tracePath)
        file.open(tracePath);
    std::ostream& out = tracePath ? file : std::cout;
    for (const std::string& line : run.trace)
        out << line << "\n";
    std::cerr << scriptPath << ": " << run.frames << " frames to hundredth " << run.lastHundredth
              << (run.ended ? ", the bout ended" : ", stopped by the script") << "; "
              << static_cast<int>(run.frames / seconds) << " frames a second with drawing\n";
    for (const std::string& fault : run.faults)
        std::cerr << "fault: " << fault << "\n";
    return run.faults.empty() ? 0 : 1;
}

int check(const char* scriptPath, const char* tracePath)
{
    BoutScript script;
    std::ifstream in(tracePath);
    if (!load(scriptPath, script) || !in) {
        if (!in)
            std::cerr << tracePath << ": cannot be read\n";
        return 2;
    }
    std::vector<std::string> expected;
    for (std::string line; std::getline(in, line);)
        expected.push_back(line);
    const BoutRun run = runBout(script);
    int status = 0;
    for (const std::string& fault : run.faults) {
        std::cerr << scriptPath << ": " << fault << "\n";
        status = 1;
    }
    for (std::size_t i = 0; i < expected.size() && i < run.trace.size(); ++i)
        if (expected[i] != run.trace[i]) {
            const auto at = fields(run.trace[i]);
            std::cerr << scriptPath << ": frame " << i << (at.size() > 1 ? " (hundredth " + at[1].second + ")" : "")
                      << ": " << difference(expected[i], run.trace[i]) << "\n";
            return 1;
        }
    if (expected.size() != run.trace.size()) {
        std::cerr << scriptPath << ": the bout ran " << run.trace.size() - 1 << " frames, the trace has "
                  << expected.size() - 1 << "\n";
        return 1;
    }
    std::cout << scriptPath << ": " << run.frames << " frames as recorded\n";
    return status;
}

int shots(const char* scriptPath, const std::string& dir, char** frameArgs, int count)
{
    BoutScript script;
    if (!load(scriptPath, script))
        return 2;
    std::set<int> wanted;
    for (int i = 0; i < count; ++i)
        wanted.insert(std::atoi(frameArgs[i]));
    RunOptions options;
    options.trace = false;
    options.afterFrame = [&](int frame) {
        if (!wanted.count(frame))
            return;
        const std::string path = dir + "/frame-" + std::to_string(frame) + ".bmp";
        save_bitmap(path.c_str(), screen, nullptr);
        std::cout << path << "\n";
    };
    runBout(script, options);
    return 0;
}

int soakRun(int count, unsigned first, const char* failurePath)
{
    const SoakResult result = soak(first, count);
    std::cout << result.bouts << " bouts, " << result.frames << " frames in " << result.seconds << " s: "
              << static_cast<int>(result.bouts / result.seconds) << " bouts a second without drawing\n";
    if (result.failedSeed < 0)
        return 0;
    std::cout << "seed " << result.failedSeed << " fails at " << result.fault << "\n";
    if (failurePath) {
        std::ofstream(failurePath) << result.script;
        std::cout << "the failing bout is in " << failurePath << "\n";
    } else {
        std::cout << result.script;
    }
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    std::string error;
    const bool known = (command == "trace" && (argc == 3 || argc == 4)) || (command == "check" && argc == 4) ||
                       (command == "shots" && argc >= 5) || (command == "soak" && argc >= 3 && argc <= 5);
    if (!known) {
        std::cerr << usage;
        return 2;
    }
    if (!startHeadless(error)) {
        std::cerr << "ryke_replay: " << error << "\n";
        return 2;
    }
    if (command == "trace")
        return trace(argv[2], argc == 4 ? argv[3] : nullptr);
    if (command == "check")
        return check(argv[2], argv[3]);
    if (command == "shots")
        return shots(argv[2], argv[3], argv + 4, argc - 4);
    return soakRun(std::atoi(argv[2]), argc > 3 ? static_cast<unsigned>(std::atoi(argv[3])) : 1u,
                   argc > 4 ? argv[4] : nullptr);
}
