#pragma once
// Conversation pictures: every line and every portrait is an image
// "adv/<name>.tga". A picture that cannot be loaded is reported once; from
// then on it is drawn as the missing-picture placeholder without asking the
// disk again, and the conversation goes on.
#include <memory>
#include <string>

class CTexture;

std::string AdvPictureFile(const std::string& picture);
// Loads the picture under the given texture name.
std::unique_ptr<CTexture> LoadAdvPicture(const std::string& picture,
                                         const std::string& textureName);
// Forgets which pictures were missing (a modder may have added them).
void ForgetMissingAdvPictures();
