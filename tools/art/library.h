// Renders the pictures of the table, each once: paints every frame on a transparent
// layer and lays it over the piece of its host under it, so opaque pictures carry the
// background they sit on, and keyed pictures get exact magenta wherever nothing was drawn.
#pragma once

#include "image.h"
#include "picture.h"

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace art {

// A picture that other pictures are cut from but that is not written out itself.
struct SceneSpec {
    std::string name;
    int width = 0;
    int height = 0;
    Painter paint;
};

class Library {
public:
    Library(const std::vector<PictureSpec>& pictures, const std::vector<SceneSpec>& scenes);

    const PictureSpec* Find(std::string_view name) const;
    // The finished picture (all frames and rows), rendered on first use.
    const Image& Picture(std::string_view name);
    // A picture or a scene; an unknown name gives an empty image.
    const Image& Host(std::string_view name);

private:
    Image Render(const PictureSpec& spec);
    Image HostPiece(const PictureSpec& spec);

    const std::vector<PictureSpec>& pictures_;
    const std::vector<SceneSpec>& scenes_;
    std::map<std::string, Image, std::less<>> cache_;
    std::set<std::string, std::less<>> rendering_;
};

// Draws an image into a cairo context with its top-left corner at (x, y).
void PaintImage(cairo_t* cr, const Image& image, double x, double y);

}  // namespace art
