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

}  // namespace art
