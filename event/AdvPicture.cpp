#include "event/AdvPicture.h"

#include "resource/CTexture.h"

#include <set>

namespace {

std::set<std::string>& MissingPictures() {
    static std::set<std::string> missing;
    return missing;
}

// The size a missing picture is drawn at.
constexpr int PlaceholderSide = 64;

} // namespace

std::string AdvPictureFile(const std::string& picture) {
    return "adv/" + picture + ".tga";
}

std::unique_ptr<CTexture> LoadAdvPicture(const std::string& picture,
                                         const std::string& textureName) {
    auto texture = std::make_unique<CTexture>();
    const std::string file = AdvPictureFile(picture);
    if (MissingPictures().count(file) != 0) {
        // Already reported: keep the placeholder without a second report.
        texture->name = textureName;
        texture->file = file;
        texture->impl->loadFailed = true;
        texture->SetRect(0, 0, PlaceholderSide, PlaceholderSide);
        return texture;
    }
    texture->Load(textureName, file, false);
    if (texture->impl->loadFailed) {
        MissingPictures().insert(file);
    }
    return texture;
}

void ForgetMissingAdvPictures() {
    MissingPictures().clear();
}
