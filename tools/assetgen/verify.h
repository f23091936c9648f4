#pragma once
// Reads every written file back through the library, as the game will, and checks it.

#include <string>
#include <vector>

#include "pictures.h"
#include "sounds.h"

// Problems found, one line each; empty when every file is as intended.
std::vector<std::string> verifyPictures(const std::string& root, const std::vector<PictureRecipe>& recipes);
std::vector<std::string> verifySounds(const std::string& root, const std::vector<SoundRecipe>& recipes,
                                      const std::vector<size_t>& lengths);
