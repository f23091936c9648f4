/* The sound driver in the browser: the library's own mixer, pumped from the browser's event
 * loop into Web Audio buffers queued about a tenth of a second ahead. Browsers let a page's
 * sound start only at the player's first key or click; until then the mixer runs on in real
 * time and what it makes is dropped, so no sound is owed when it starts. */
#include <stdint.h>

#include <emscripten.h>

#include "allegro.h"
#include "allegro/internal/aintern.h"
#include "web.h"

/* Frames a mixing pass makes: about 23 ms at 44.1 kHz. */
#define FRAMES 1024

static short mixed[FRAMES * 2];
static int interval_id;

/* Opens the page's audio context: its sample rate, or 0 when the browser has none. */
EM_JS(int, web_audio_open, (void), {
   var Context = window.AudioContext || window.webkitAudioContext;
   if (!Context)
      return 0;
   var audio = {context: new Context(), at: 0, dropAt: 0, peak: 0, played: 0};
   Module.rykeAudio = audio;
   audio.start = function() {
      if (audio.context.state === 'suspended')
         audio.context.resume();
   };
   ['keydown', 'mousedown', 'pointerdown', 'touchstart'].forEach(function(type) {
      window.addEventListener(type, audio.start, true);
   });
   audio.context.onstatechange = function() {
      if (Module.rykeSoundState)
         Module.rykeSoundState(audio.context.state);
   };
   if (Module.rykeSoundState)
      Module.rykeSoundState(audio.context.state);
   return audio.context.sampleRate;
});

EM_JS(void, web_audio_close, (void), {
   var audio = Module.rykeAudio;
   ['keydown', 'mousedown', 'pointerdown', 'touchstart'].forEach(function(type) {
      window.removeEventListener(type, audio.start, true);
   });
   audio.context.close();
});

/* How many passes of frames are due: enough to keep a tenth of a second queued while the sound
 * plays, or to keep up with the wall clock while it cannot. */
EM_JS(int, web_audio_passes_due, (int frames), {
   var audio = Module.rykeAudio, context = audio.context;
   var pass = frames / context.sampleRate, ahead = 0.1;
   if (context.state === 'running') {
      if (audio.at < context.currentTime)
         audio.at = context.currentTime + 0.02;
      return Math.max(0, Math.ceil((context.currentTime + ahead - audio.at) / pass));
   }
   var now = performance.now() / 1000;
   if (audio.dropAt < now - ahead)
      audio.dropAt = now - ahead;
   return Math.max(0, Math.floor((now - audio.dropAt) / pass));
});

/* Queues frames of 16-bit stereo after those queued before, or drops them. */
EM_JS(void, web_audio_play, (const short *samples, int frames), {
   var audio = Module.rykeAudio, context = audio.context;
   if (context.state !== 'running') {
      audio.dropAt += frames / context.sampleRate;
      return;
   }
   var buffer = context.createBuffer(2, frames, context.sampleRate);
   var left = buffer.getChannelData(0), right = buffer.getChannelData(1);
   var first = samples >> 1, peak = 0;
   for (var i = 0; i < frames; i++) {
      left[i] = HEAP16[first + 2 * i] / 32768;
      right[i] = HEAP16[first + 2 * i + 1] / 32768;
      peak = Math.max(peak, Math.abs(left[i]), Math.abs(right[i]));
   }
   // The loudest sample yet and the buffers queued: the tests listen through these.
   audio.peak = Math.max(audio.peak, peak);
   audio.played++;
   var source = context.createBufferSource();
   source.buffer = buffer;
   source.connect(context.destination);
   source.start(audio.at);
   audio.at += buffer.duration;
});

static void pump(void)
{
   int passes = web_audio_passes_due(FRAMES);
   while (passes-- > 0) {
      _mix_some_samples((uintptr_t)mixed, 0, TRUE);
      web_audio_play(mixed, FRAMES);
   }
}

static int digi_web_detect(int input)
{
   if (input) {
      ustrzcpy(allegro_error, ALLEGRO_ERROR_SIZE, get_config_text("Input is not supported"));
      return FALSE;
   }
   return TRUE;
}

static int digi_web_init(int input, int voices)
{
   const int rate = input ? 0 : web_audio_open();
   if (rate <= 0) {
      ustrzcpy(allegro_error, ALLEGRO_ERROR_SIZE, get_config_text("This browser has no Web Audio"));
      return -1;
   }
   _sound_bits = 16;
   _sound_stereo = TRUE;
   _sound_freq = rate;
   digi_web.voices = voices;
   if (_mixer_init(FRAMES * 2, rate, TRUE, TRUE, &digi_web.voices) != 0) {
      web_audio_close();
      ustrzcpy(allegro_error, ALLEGRO_ERROR_SIZE, get_config_text("Error initialising the mixer"));
      return -1;
   }
   interval_id = _web_every(10, pump);
   return 0;
}

static void digi_web_exit(int input)
{
   if (input)
      return;
   _web_stop(interval_id);
   web_audio_close();
   _mixer_exit();
}

static int digi_web_buffer_size(void)
{
   return FRAMES;
}

DIGI_DRIVER digi_web = {
   .id = DIGI_WEB,
   .name = empty_string,
   .desc = empty_string,
   .ascii_name = "Web Audio",
   .max_voices = MIXER_MAX_SFX,
   .def_voices = MIXER_DEF_SFX,
   .detect = digi_web_detect,
   .init = digi_web_init,
   .exit = digi_web_exit,
   .buffer_size = digi_web_buffer_size,
   .init_voice = _mixer_init_voice,
   .release_voice = _mixer_release_voice,
   .start_voice = _mixer_start_voice,
   .stop_voice = _mixer_stop_voice,
   .loop_voice = _mixer_loop_voice,
   .get_position = _mixer_get_position,
   .set_position = _mixer_set_position,
   .get_volume = _mixer_get_volume,
   .set_volume = _mixer_set_volume,
   .ramp_volume = _mixer_ramp_volume,
   .stop_volume_ramp = _mixer_stop_volume_ramp,
   .get_frequency = _mixer_get_frequency,
   .set_frequency = _mixer_set_frequency,
   .sweep_frequency = _mixer_sweep_frequency,
   .stop_frequency_sweep = _mixer_stop_frequency_sweep,
   .get_pan = _mixer_get_pan,
   .set_pan = _mixer_set_pan,
   .sweep_pan = _mixer_sweep_pan,
   .stop_pan_sweep = _mixer_stop_pan_sweep,
   .set_echo = _mixer_set_echo,
   .set_tremolo = _mixer_set_tremolo,
   .set_vibrato = _mixer_set_vibrato,
};
