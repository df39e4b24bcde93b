#include "image.h"

namespace art {

Image Image::Crop(int x, int y, int w, int h) const {
    Image piece(w, h);
    for (int row = 0; row < h; ++row) {
        for (int column = 0; column < w; ++column) {
            const int sx = x + column, sy = y + row;
            if (sx >= 0 && sy >= 0 && sx < width && sy < height) piece.At(column, row) = At(sx, sy);
        }
    }
    return piece;
}

void Image::Paste(const Image& source, int x, int y) {
    for (int row = 0; row < source.height; ++row) {
        for (int column = 0; column < source.width; ++column) {
            const int tx = x + column, ty = y + row;
            if (tx >= 0 && ty >= 0 && tx < width && ty < height) At(tx, ty) = source.At(column, row);
        }
    }
}

}  // namespace art
