#include "lib/RecordingBackend.h"

#include <fstream>

namespace vrels {

namespace {
class RecordedTexture : public BackendTexture {};
} // namespace

bool ReadTgaSize(const std::string& file, unsigned* width, unsigned* height, bool* hasAlpha) {
    std::ifstream in(file, std::ios::binary);
    unsigned char header[18];
    if (!in.read(reinterpret_cast<char*>(header), sizeof(header))) {
        return false;
    }
    const unsigned type = header[2];
    if (type != 2 && type != 3 && type != 10 && type != 11 && type != 1 && type != 9) {
        return false;
    }
    *width = header[12] | (header[13] << 8);
    *height = header[14] | (header[15] << 8);
    *hasAlpha = (header[17] & 0x0f) != 0;
    return *width > 0 && *height > 0;
}

void RecordingBackend::DeclareImage(const std::string& file, unsigned width, unsigned height) {
    declared_[file] = {width, height};
}

std::shared_ptr<BackendTexture> RecordingBackend::LoadTexture(const std::string& file, bool,
                                                              ImageInfo* info, std::string* error) {
    ++loads_;
    const auto it = declared_.find(file);
    if (it != declared_.end()) {
        info->width = it->second.first;
        info->height = it->second.second;
        info->hasAlpha = true;
        return std::make_shared<RecordedTexture>();
    }
    bool alpha = false;
    if (ReadTgaSize(file, &info->width, &info->height, &alpha)) {
        info->hasAlpha = alpha;
        return std::make_shared<RecordedTexture>();
    }
    *error = "cannot open " + file;
    return nullptr;
}

void RecordingBackend::DrawQuad(const BackendTexture* texture, const std::string& textureName,
                                const QuadVertex vertices[4], std::uint8_t alpha, int blend) {
    DrawRecord record;
    record.texture = textureName;
    for (int i = 0; i < 4; ++i) {
        record.vertices[i] = vertices[i];
    }
    record.alpha = alpha;
    record.blend = blend;
    record.placeholder = texture == nullptr;
    draws_.push_back(record);
}

} // namespace vrels
