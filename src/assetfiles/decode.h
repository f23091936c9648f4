#pragma once
// Hands the library bytes already read and checked, through its packfile interface, so that what
// it decodes is exactly what was checked: nothing on disk can change in between.

#include <allegro.h>

#include <string>

// Asked now and then while decoding; once it says true, the decoder reads no further and gets null.
using StopAsked = bool (*)();

// A PCX picture decoded from bytes, as load_bitmap(path, NULL) does from its file; null if it fails.
BITMAP* decodePicture(const std::string& bytes, StopAsked stop = nullptr);

// A WAV sound decoded from bytes, as load_sample(path) does from its file; null if it fails.
SAMPLE* decodeSound(const std::string& bytes, StopAsked stop = nullptr);
