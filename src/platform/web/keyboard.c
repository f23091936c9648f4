/* The keyboard driver in the browser: the page's keydown and keyup, by the key's place on the
 * keyboard (KeyboardEvent.code), whatever the layout. */
#include <string.h>

#include <emscripten/html5.h>

#include "allegro.h"
#include "allegro/internal/aintern.h"
#include "web.h"

typedef struct WEB_KEY {
   const char *code;
   int scancode;
   int ascii;
} WEB_KEY;

/* clang-format off */
static const WEB_KEY keys[] = {
   /* code            scancode        ascii */
   { "KeyA",          KEY_A,          'a' },
   { "KeyB",          KEY_B,          'b' },
   { "KeyC",          KEY_C,          'c' },
   { "KeyD",          KEY_D,          'd' },
   { "KeyE",          KEY_E,          'e' },
   { "KeyF",          KEY_F,          'f' },
   { "KeyG",          KEY_G,          'g' },
   { "KeyH",          KEY_H,          'h' },
   { "KeyI",          KEY_I,          'i' },
   { "KeyJ",          KEY_J,          'j' },
   { "KeyK",          KEY_K,          'k' },
   { "KeyL",          KEY_L,          'l' },
   { "KeyM",          KEY_M,          'm' },
   { "KeyN",          KEY_N,          'n' },
   { "KeyO",          KEY_O,          'o' },
   { "KeyP",          KEY_P,          'p' },
   { "KeyQ",          KEY_Q,          'q' },
   { "KeyR",          KEY_R,          'r' },
   { "KeyS",          KEY_S,          's' },
   { "KeyT",          KEY_T,          't' },
   { "KeyU",          KEY_U,          'u' },
   { "KeyV",          KEY_V,          'v' },
   { "KeyW",          KEY_W,          'w' },
   { "KeyX",          KEY_X,          'x' },
   { "KeyY",          KEY_Y,          'y' },
   { "KeyZ",          KEY_Z,          'z' },
   { "Enter",         KEY_ENTER,      13  },
   { "NumpadEnter",   KEY_ENTER_PAD,  13  },
   { "Escape",        KEY_ESC,        27  },
   { "Space",         KEY_SPACE,      ' ' },
   { "ArrowLeft",     KEY_LEFT,        0  },
   { "ArrowRight",    KEY_RIGHT,       0  },
   { "ArrowUp",       KEY_UP,          0  },
   { "ArrowDown",     KEY_DOWN,        0  },
};
/* clang-format on */

static const WEB_KEY *key_by_code(const char *code)
{
   size_t i;
   for (i = 0; i < sizeof keys / sizeof keys[0]; i++)
      if (strcmp(keys[i].code, code) == 0)
         return &keys[i];
   return NULL;
}

/* True (the page does nothing else with it) for a key of the game's; others, such as F5 or
 * F11, keep their meaning for the browser. */
static EM_BOOL on_key(int type, const EmscriptenKeyboardEvent *event, void *data)
{
   const WEB_KEY *k = key_by_code(event->code);
   (void)data;
   if (!k || event->ctrlKey || event->altKey || event->metaKey)
      return FALSE;
   if (type == EMSCRIPTEN_EVENT_KEYUP)
      _handle_key_release(k->scancode);
   else if (!event->repeat)
      _handle_key_press(k->ascii, k->scancode);
   return TRUE;
}

void _web_release_keys(void)
{
   int scancode;
   for (scancode = 1; scancode < KEY_MAX; scancode++)
      if (key[scancode])
         _handle_key_release(scancode);
}

static int keyboard_web_init(void)
{
   emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, NULL, TRUE, on_key);
   emscripten_set_keyup_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, NULL, TRUE, on_key);
   return 0;
}

static void keyboard_web_exit(void)
{
   emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, NULL, TRUE, NULL);
   emscripten_set_keyup_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, NULL, TRUE, NULL);
}

KEYBOARD_DRIVER keyboard_web = {
   .id = KEYBOARD_WEB,
   .name = empty_string,
   .desc = empty_string,
   .ascii_name = "Page keyboard",
   .autorepeat = FALSE,
   .init = keyboard_web_init,
   .exit = keyboard_web_exit,
};
