// Draws the game's artwork into a game folder:
//   brellik_art GAME_DIR            every picture, Data/key.txt and Data/intro.dat
//   brellik_art --preview DIR       contact sheets and composed screens, for people to look at
//   brellik_art --icons DIR         the desktop icon, DIR/hicolor/NxN/apps/brellik.png
#include "desktop_icons.h"
#include "library.h"
#include "output.h"
#include "preview.h"
#include "table.h"

#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
    if (argc == 3 && std::string_view(argv[1]) == "--preview") {
        art::Library library(art::PictureTable(), art::SceneTable());
        return art::WritePreviews(library, argv[2]) ? 0 : 1;
    }
    if (argc == 3 && std::string_view(argv[1]) == "--icons") {
        return art::WriteFiles(argv[2], art::MakeDesktopIcons()) ? 0 : 1;
    }
    if (argc != 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "usage: %s GAME_DIR | --preview DIR | --icons DIR\n", argv[0]);
        return 2;
    }
    art::Library library(art::PictureTable(), art::SceneTable());
    return art::WriteGameFiles(argv[1], art::MakeGameFiles(library)) ? 0 : 1;
}
