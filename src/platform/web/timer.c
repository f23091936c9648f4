/* The timer driver in the browser: the page's own clock, read from the browser's event loop
 * every few milliseconds, hands the time gone by to the library's timer queue, as the timer
 * thread does on Unix. The callbacks run whenever the game gives the browser its turn. */
#include <emscripten.h>

#include "allegro.h"
#include "allegro/internal/aintern.h"
#include "web.h"

static int interval_id;
static double last_ms;
/* Timer units not yet handed over (less than one). */
static double owed;

static void tick(void)
{
   const double now = emscripten_get_now();
   owed += (now - last_ms) * (TIMERS_PER_SECOND / 1000.0);
   last_ms = now;
   /* A long gap (a tab in the background) is handed over in pieces an int can hold. */
   while (owed >= 1.0) {
      const int piece = owed > TIMERS_PER_SECOND ? TIMERS_PER_SECOND : (int)owed;
      owed -= piece;
      _handle_timer_tick(piece);
   }
}

static int timer_web_init(void)
{
   last_ms = emscripten_get_now();
   owed = 0;
   /* Browsers run intervals at 4 ms at best, hidden pages once a second. */
   interval_id = _web_every(4, tick);
   return 0;
}

static void timer_web_exit(void)
{
   _web_stop(interval_id);
}

TIMER_DRIVER timer_web = {
   .id = TIMER_WEB,
   .name = empty_string,
   .desc = empty_string,
   .ascii_name = "Browser clock",
   .init = timer_web_init,
   .exit = timer_web_exit,
};
