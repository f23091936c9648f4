/* The graphics driver in the browser: the screen is a 32-bit memory bitmap laid out as the
 * page's ImageData is (red, green, blue, then a byte the page wants at 255), shown on the
 * page's canvas at each of the browser's animation frames when it has changed. */
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <emscripten.h>
#include <emscripten/html5.h>

#include "allegro.h"
#include "allegro/internal/aintern.h"

static uint32_t *pixels;
/* What the canvas shows: the screen with every alpha byte at 255. */
static uint32_t *shown;
static int width, height;
static int presenting;

EM_JS(void, web_show_pixels, (const void *rgba, int w, int h), {
   var canvas = Module.canvas;
   if (!canvas)
      return;
   if (canvas.width !== w || canvas.height !== h) {
      canvas.width = w;
      canvas.height = h;
   }
   if (!Module.rykeContext)
      Module.rykeContext = canvas.getContext('2d', {alpha: false});
   var image = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, rgba, w * h * 4), w, h);
   Module.rykeContext.putImageData(image, 0, 0);
   if (Module.rykeShown)
      Module.rykeShown();
});

static EM_BOOL present(double time, void *data)
{
   const int count = width * height;
   int changed = FALSE, i;
   (void)time;
   (void)data;
   if (!presenting)
      return FALSE;
   for (i = 0; i < count; i++) {
      const uint32_t opaque = pixels[i] | 0xff000000u;
      changed |= shown[i] != opaque;
      shown[i] = opaque;
   }
   if (changed)
      web_show_pixels(shown, width, height);
   return TRUE;
}

static BITMAP *gfx_web_init(int w, int h, int v_w, int v_h, int color_depth)
{
   BITMAP *bmp;
   if (color_depth != 32) {
      ustrzcpy(allegro_error, ALLEGRO_ERROR_SIZE, get_config_text("The page shows 32-bit colour only"));
      return NULL;
   }
   if ((v_w != 0 && v_w != w) || (v_h != 0 && v_h != h)) {
      ustrzcpy(allegro_error, ALLEGRO_ERROR_SIZE, get_config_text("The page has no virtual screen"));
      return NULL;
   }
   pixels = calloc((size_t)w * h, 4);
   shown = calloc((size_t)w * h, 4);
   if (!pixels || !shown) {
      free(pixels);
      free(shown);
      ustrzcpy(allegro_error, ALLEGRO_ERROR_SIZE, get_config_text("Not enough memory"));
      return NULL;
   }
   /* Red in the lowest byte: in memory the bytes run red, green, blue, alpha, as in ImageData. */
   _rgb_r_shift_32 = 0;
   _rgb_g_shift_32 = 8;
   _rgb_b_shift_32 = 16;
   _rgb_a_shift_32 = 24;
   bmp = _make_bitmap(w, h, (uintptr_t)pixels, &gfx_web, color_depth, w * 4);
   if (!bmp) {
      free(pixels);
      free(shown);
      return NULL;
   }
   width = w;
   height = h;
   gfx_web.w = w;
   gfx_web.h = h;
   /* The first present always shows: nothing shown yet differs from an opaque black screen. */
   memset(shown, 0x7f, (size_t)w * h * 4);
   presenting = TRUE;
   emscripten_request_animation_frame_loop(present, NULL);
   return bmp;
}

static void gfx_web_exit(BITMAP *bmp)
{
   (void)bmp;
   /* The animation frame loop ends at its next call. */
   presenting = FALSE;
   free(pixels);
   free(shown);
   pixels = shown = NULL;
}

GFX_DRIVER gfx_web = {
   .id = GFX_WEB,
   .name = empty_string,
   .desc = empty_string,
   .ascii_name = "Page canvas",
   .init = gfx_web_init,
   .exit = gfx_web_exit,
   .linear = TRUE,
   .windowed = TRUE,
};
