#include "Renderer.h"

#include "BitmapFont.h"
#include "TextLayer.h"

#include <stdexcept>
#include <type_traits>

namespace artgen {

std::unique_ptr<Canvas> RenderPicture(const Picture& picture, SvgLibrary& library) {
    auto canvas = std::make_unique<Canvas>(picture.width, picture.height);
    try {
        if (picture.font) {
            DrawFontSheet(*canvas, *picture.font);
        }
        for (const Layer& layer : picture.layers) {
            std::visit(
                [&](const auto& l) {
                    using T = std::decay_t<decltype(l)>;
                    if constexpr (std::is_same_v<T, SvgLayer>) {
                        DrawSvgLayer(canvas->Context(), l, library);
                    } else {
                        DrawTextLayer(canvas->Context(), l);
                    }
                },
                layer);
        }
    } catch (const std::exception& e) {
        throw std::runtime_error(picture.origin + " (" + picture.output + "): " + e.what());
    }
    return canvas;
}

} // namespace artgen
