#!/usr/bin/env bash
# Installs the game with `make install DESTDIR=...`, checks the command line of the installed
# `brellik`, starts it from another folder with a fresh user folder under Xvfb, skips the intro
# to the main menu and closes it: the install tree must be unchanged byte for byte and the
# user folder must hold Debug.log. Ends with `make uninstall`, which must remove every file.
set -u
source_dir=$1 build=$2 xclose=$3 out=$4
status=0
fail() { echo "FAIL: $*"; status=1; }
. "$(dirname "$0")/x11_helpers.sh"

work="$out/install"
stage="$work/stage"
home="$work/home"
elsewhere="$work/elsewhere"
rm -rf "$work" && mkdir -p "$elsewhere"

# The list of a real `make install` from this build folder must survive the test, so that
# `make uninstall` still removes that install.
installed="$build/installed_files.txt"
[ -f "$installed" ] && cp "$installed" "$work/saved_list.txt"
restore_installed() {
    if [ -f "$work/saved_list.txt" ]; then cp "$work/saved_list.txt" "$installed"
    else rm -f "$installed"; fi
}
trap restore_installed EXIT

make -s -C "$source_dir" install BUILD="$build" DESTDIR="$stage" >"$work/install.log" 2>&1 ||
    { fail "make install failed"; cat "$work/install.log"; exit 1; }
bin="$stage/usr/local/bin"
for file in bin/brellik bin/qbank share/brellik/Data/otazky4.crp share/brellik/Data/otazky4.tem \
            share/brellik/Data/key.txt \
            share/brellik/Data/intro.dat share/brellik/Bitmaps/main_bg.png \
            share/brellik/Sounds/click.wav share/brellik/web/index.html \
            share/applications/cz.brellik.brellik.desktop \
            share/metainfo/cz.brellik.brellik.metainfo.xml share/man/man6/brellik.6 \
            share/man/man1/qbank.1 \
            share/icons/hicolor/16x16/apps/brellik.png \
            share/icons/hicolor/256x256/apps/brellik.png; do
    [ -f "$stage/usr/local/$file" ] || fail "not installed: $file"
done

# The command line, without a display: nothing here may start the game.
"$bin/brellik" --version | grep -qx 'brellik [0-9.]*' || fail "--version"
"$bin/brellik" --help | grep -q -- '--window WxH' || fail "--help"
(cd "$elsewhere" && env -u DISPLAY "$bin/brellik" --fullscreen >"$work/bad.out" 2>"$work/bad.err")
code=$?
[ "$code" = 2 ] || fail "an unknown option ended with $code, not 2"
[ "$(wc -l <"$work/bad.err")" = 1 ] && [ ! -s "$work/bad.out" ] ||
    fail "not one line for an unknown option"

snapshot() {
    (cd "$stage" && find . -printf '%y %m %p\n' | sort &&
        find . -type f -exec sha256sum {} + | sort)
}
snapshot >"$work/before.txt"

# Xvfb picks a free display itself: fixed numbers clash with other runs on the same machine.
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 300); do [ -s "$work/display" ] && break; sleep 0.1; done  # a loaded machine starts it slowly
display=":$(head -n 1 "$work/display")"
(cd "$elsewhere" && PATH="$bin:$PATH" BRELLIK_HOME="$home" DISPLAY=$display SDL_VIDEODRIVER=x11 \
    brellik >"$work/game.log" 2>&1) &
pid=$!
window=$(wait_for_window Brellik)
[ -n "$window" ] || fail "no game window"
sleep 1
x() { DISPLAY=$display xdotool "$@"; }
x mousemove 512 384; sleep 0.2; x mousedown 1; sleep 0.1; x mouseup 1  # skip the intro
sleep 2
DISPLAY=$display import -window root "$work/main_menu.png" 2>/dev/null
# The main menu's emblem and title are its background picture's, untouched by any control:
# that corner of the play area must match the picture (the intro is far from it). The play
# area fills this 4:3 screen, scaled by 1024/800 = 1.28.
convert "$stage/usr/local/share/brellik/Bitmaps/main_bg.png" -crop 400x150+0+0 +repage \
    -resize '512x192!' "$work/expected_corner.png"
convert "$work/main_menu.png" -crop 512x192+0+0 +repage "$work/shown_corner.png"
difference=$(compare -metric RMSE "$work/expected_corner.png" "$work/shown_corner.png" null: 2>&1 |
             sed -n 's/.*(\(.*\)).*/\1/p')
awk -v d="${difference:-1}" 'BEGIN { exit !(d < 0.02) }' ||
    fail "the screen is not the main menu (difference ${difference:-unknown} from its background)"

[ -n "$window" ] && DISPLAY=$display "$xclose" "$window"
for _ in $(seq 150); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then fail "the game did not end"; kill "$pid"; fi
wait "$pid"; code=$?
[ "$code" = 0 ] || fail "the game ended with status $code"
stop_xvfb

snapshot >"$work/after.txt"
diff "$work/before.txt" "$work/after.txt" >"$work/changes.txt" ||
    { fail "the game changed its install tree:"; cat "$work/changes.txt"; }
head -n 1 "$home/Debug.log" 2>/dev/null | grep -qx 'Interface::PreInit () OK' ||
    fail "no Debug.log in the user folder"
[ -z "$(ls -A "$elsewhere")" ] || fail "the game wrote into its working folder"

make -s -C "$source_dir" uninstall BUILD="$build" >"$work/uninstall.log" 2>&1 ||
    fail "make uninstall"
left=$(find "$stage" -type f | head -5)
[ -z "$left" ] || fail "make uninstall left files: $left"
[ ! -e "$stage/usr/local/share/brellik" ] || fail "make uninstall left share/brellik"

[ $status -eq 0 ] && echo "installed, played from $elsewhere, install tree unchanged, uninstalled"
exit $status
