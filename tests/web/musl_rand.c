/* rand() and srand() as Emscripten's C library (musl) has them, for preloading into a Linux
 * program: a 64-bit linear congruential generator whose top 31 bits are the result, seeded 0
 * until srand is called. */
#include <stdint.h>

static uint64_t seed;

void srand(unsigned s) { seed = s - 1; }

int rand(void)
{
    seed = 6364136223846793005ULL * seed + 1;
    return (int)(seed >> 33);
}
