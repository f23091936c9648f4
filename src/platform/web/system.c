/* The system driver in the browser: the page's focus and visibility become the library's
 * display switches, and messages are shown on the page. */
#include <emscripten.h>
#include <emscripten/html5.h>

#include "allegro.h"
#include "allegro/internal/aintern.h"
#include "web.h"

/* Whether the page is away from the player (hidden, or another window has the keys). */
static int away = FALSE;

EM_JS(void, web_show_message, (const char *text), {
   var message = UTF8ToString(text);
   if (Module.rykeMessage)
      Module.rykeMessage(message);
   else
      console.log(message);
});

EM_JS(void, web_set_title, (const char *text), {
   document.title = UTF8ToString(text);
});

EM_JS(int, _web_every, (int ms, WEB_CALL fn), {
   return setInterval(function() {
      callUserCallback(function() { wasmTable.get(fn)(); });
   }, ms);
});

EM_JS(void, _web_stop, (int id), {
   clearInterval(id);
});

EM_JS(int, web_page_present, (void), {
   return document.visibilityState === 'visible' && document.hasFocus() ? 1 : 0;
});

static void leave(void)
{
   if (away)
      return;
   away = TRUE;
   _web_release_keys();
   _switch_out();
}

static void come_back(void)
{
   if (!away || !web_page_present())
      return;
   away = FALSE;
   _switch_in();
}

static EM_BOOL on_focus_event(int type, const EmscriptenFocusEvent *event, void *data)
{
   (void)event;
   (void)data;
   if (type == EMSCRIPTEN_EVENT_BLUR)
      leave();
   else
      come_back();
   return FALSE;
}

static EM_BOOL on_visibility(int type, const EmscriptenVisibilityChangeEvent *event, void *data)
{
   (void)type;
   (void)data;
   if (event->hidden)
      leave();
   else
      come_back();
   return FALSE;
}

static int web_init(void)
{
   os_type = OSTYPE_UNKNOWN;
   emscripten_set_blur_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, NULL, TRUE, on_focus_event);
   emscripten_set_focus_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, NULL, TRUE, on_focus_event);
   emscripten_set_visibilitychange_callback(NULL, TRUE, on_visibility);
   /* A page opened in the background starts away. */
   away = !web_page_present();
   return 0;
}

static void web_exit(void)
{
   emscripten_set_blur_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, NULL, TRUE, NULL);
   emscripten_set_focus_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, NULL, TRUE, NULL);
   emscripten_set_visibilitychange_callback(NULL, TRUE, NULL);
}

static void web_message(AL_CONST char *msg)
{
   char text[ALLEGRO_MESSAGE_SIZE];
   web_show_message(uconvert(msg, U_CURRENT, text, U_UTF8, sizeof text));
}

static void web_title(AL_CONST char *name)
{
   char text[256];
   web_set_title(uconvert(name, U_CURRENT, text, U_UTF8, sizeof text));
}

/* The page always runs on in the background and reports when it goes and comes back. */
static int web_switch_mode(int mode)
{
   return mode == SWITCH_BACKGROUND || mode == SWITCH_NONE ? 0 : -1;
}

static int web_desktop_depth(void)
{
   return 32;
}

SYSTEM_DRIVER system_web = {
   .id = SYSTEM_WEB,
   .name = empty_string,
   .desc = empty_string,
   .ascii_name = "Web browser",
   .init = web_init,
   .exit = web_exit,
   .set_window_title = web_title,
   /* No close button callback: a page cannot hold its tab open. */
   .message = web_message,
   .set_display_switch_mode = web_switch_mode,
   .desktop_color_depth = web_desktop_depth,
};
