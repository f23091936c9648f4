/* rand() and srand() as Windows' C library (msvcrt) has them, for preloading into a Linux
 * program: a linear congruential generator whose high bits are the result, RAND_MAX 32767. */
static unsigned int state = 1;

void srand(unsigned int seed) { state = seed; }

int rand(void)
{
    state = state * 214013u + 2531011u;
    return (int)((state >> 16) & 0x7fff);
}
