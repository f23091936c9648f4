// Preloaded into the game by end-to-end tests that script a bout: seeds the C library's rand()
// with $RYKE_TEST_SEED before the game's first instruction, as a bout script's "seed" line does
// for the bout runner, so that the enemies choose in the window as they do in the script.

#include <cstdlib>

__attribute__((constructor)) static void seedRand()
{
    if (const char* seed = std::getenv("RYKE_TEST_SEED"))
        std::srand(static_cast<unsigned>(std::strtoul(seed, nullptr, 10)));
}
