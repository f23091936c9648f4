// Plays the game's sounds through the sound device as the game's mixer mixes them, for the
// headroom test (run from the repo root, with a display: the library's sound needs its system).
//   play_voices list
//       Every way the game plays a sound, once each: FILE VOLUME PAN and "loop" or "once". A
//       sample no cue plays yet is listed at full volume, the loudest any cue could play it.
//   play_voices GROUP...
//       Plays the groups one after another, each once the last has ended and 0.2 s of silence
//       has passed. A group is items joined by commas, started together, each
//       FILE:VOLUME:PAN:POSITION[:loop], POSITION the sample to start from; a looping voice
//       plays on to the end of the run.
#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "shell/assets.h"
#include "sound/cue.h"

namespace {

int list()
{
    std::set<std::string> seen;
    for (const SampleAsset& a : sampleAssets) {
        bool played = false;
        for (const CueSound& c : cueSounds)
            if (c.sample == a.handle) {
                played = true;
                const std::string line = std::string(a.path) + " " + std::to_string(c.volume) + " " +
                                         std::to_string(c.pan) + (c.loops ? " loop" : " once");
                if (seen.insert(line).second)
                    std::printf("%s\n", line.c_str());
            }
        if (!played)
            std::printf("%s 255 127 once\n", a.path);
    }
    return 0;
}

struct Item {
    std::string file;
    int volume = 0, pan = 0, position = 0;
    bool loops = false;
};

std::vector<std::string> split(const std::string& s, char by)
{
    std::vector<std::string> parts;
    std::stringstream in(s);
    for (std::string part; std::getline(in, part, by);)
        parts.push_back(part);
    return parts;
}

bool parse(const std::string& text, Item& item)
{
    const std::vector<std::string> f = split(text, ':');
    if (f.size() != 4 && !(f.size() == 5 && f[4] == "loop"))
        return false;
    item.file = f[0];
    item.volume = std::atoi(f[1].c_str());
    item.pan = std::atoi(f[2].c_str());
    item.position = std::atoi(f[3].c_str());
    item.loops = f.size() == 5;
    return true;
}

int play(int groupCount, char** groups)
{
    if (install_allegro(SYSTEM_AUTODETECT, &errno, std::atexit) != 0 || install_timer() != 0) {
        std::fprintf(stderr, "play_voices: the library cannot start: %s\n", allegro_error);
        return 1;
    }
    // As the game mixes: every voice at full scale.
    set_volume_per_voice(0);
    if (install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr) != 0) {
        std::fprintf(stderr, "play_voices: no sound: %s\n", allegro_error);
        return 1;
    }
    std::map<std::string, SAMPLE*> samples;
    for (int g = 0; g < groupCount; ++g) {
        std::vector<int> voices, oneShots;
        for (const std::string& text : split(groups[g], ',')) {
            Item item;
            if (!parse(text, item)) {
                std::fprintf(stderr, "play_voices: not FILE:VOLUME:PAN:POSITION[:loop]: %s\n", text.c_str());
                return 2;
            }
            SAMPLE*& s = samples[item.file];
            if (!s && !(s = load_sample(item.file.c_str()))) {
                std::fprintf(stderr, "play_voices: cannot load %s\n", item.file.c_str());
                return 1;
            }
            const int v = allocate_voice(s);
            voice_set_volume(v, item.volume);
            voice_set_pan(v, item.pan);
            voice_set_position(v, item.position);
            voice_set_playmode(v, item.loops ? PLAYMODE_LOOP : PLAYMODE_PLAY);
            voices.push_back(v);
            if (!item.loops)
                oneShots.push_back(v);
        }
        // Started back to back, so that the mixer most likely starts them in the same pass.
        for (int v : voices)
            voice_start(v);
        for (bool playing = true; playing; rest(5)) {
            playing = false;
            for (int v : oneShots)
                playing = playing || voice_get_position(v) >= 0;
        }
        for (int v : oneShots)
            deallocate_voice(v);
        rest(200);
    }
    for (auto& loaded : samples)
        destroy_sample(loaded.second);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::string(argv[1]) == "list")
        return list();
    if (argc < 2) {
        std::fprintf(stderr, "usage: play_voices list | play_voices FILE:VOLUME:PAN:POSITION[:loop][,...]...\n");
        return 2;
    }
    return play(argc - 1, argv + 1);
}
END_OF_MAIN()
