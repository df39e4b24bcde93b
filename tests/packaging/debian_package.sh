#!/usr/bin/env bash
# Builds the Debian packages from the last commit (so an uncommitted file cannot hide), checks
# them and the source package with lintian (any error or warning fails, and so does an info,
# pedantic or experimental tag not in the accepted list below), checks their files and
# Depends, installs the game and its data with dpkg -i, starts `brellik` from the PATH under
# Xvfb with a scratch user folder, removes both with dpkg -r and checks that nothing of them
# is left. Needs root or sudo for dpkg. The packages are removed whatever happens once they
# are in, and packages installed before the test are left alone: the test refuses to run then.
set -u
source_dir=$1 xclose=$2 out=$3
status=0
fail() { echo "FAIL: $*"; status=1; }
. "$source_dir/tests/e2e/x11_helpers.sh"

# Tags lintian may give, each with why.
accepted_tags=(
    # The binary files of the fuzz corpus, which lintian reads as text with long lines.
    very-long-line-length-in-source-file
)

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "FAIL: dpkg -i needs root or sudo"; exit 1; }
    sudo="sudo"
fi

rm -rf "$out" && mkdir -p "$out"
out=$(cd "$out" && pwd)
# One run at a time on this machine: another worktree's run would install and remove the
# same package under this one.
exec 9>/tmp/brellik-debian-package-test.lock
flock -w 1800 9 || { echo "FAIL: another package test holds the lock"; exit 1; }

packages=(brellik brellik-data)
installed() {
    dpkg-query -W -f='${Status}\n' "${packages[@]}" 2>/dev/null | grep -q 'install ok installed'
}
if installed; then
    echo "FAIL: brellik is already installed here; remove it (dpkg -r ${packages[*]}) first"
    exit 1
fi
[ -z "$(git -C "$source_dir" status --porcelain)" ] ||
    echo "note: uncommitted changes are not in the package (it is built from HEAD)"

game_pid="" xvfb_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && stop_xvfb
    if installed; then
        $sudo dpkg -r "${packages[@]}" >/dev/null 2>&1 || echo "FAIL: could not remove brellik"
    fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP  # so that an interrupted run removes the packages too

"$source_dir/scripts/build_package" --committed "$out" >"$out/build.log" 2>&1 ||
    { tail -n 40 "$out/build.log"; echo "FAIL: the package build"; exit 1; }
deb=$(ls "$out"/brellik_*.deb) && data_deb=$(ls "$out"/brellik-data_*.deb) &&
    changes=$(ls "$out"/brellik_*.changes) || { echo "FAIL: no packages in $out"; exit 1; }

# The source package too, for the checks of debian/ (copyright above all) that only it gets.
mkdir -p "$out/source/brellik"
git -C "$source_dir" archive --format=tar HEAD | tar -x -C "$out/source/brellik"
(cd "$out/source" && dpkg-source -b brellik) >"$out/source.log" 2>&1 ||
    { cat "$out/source.log"; fail "dpkg-source"; }
dsc=$(ls "$out"/source/brellik_*.dsc)

lintian -I -E --pedantic --tag-display-limit 0 --fail-on none "$changes" "$dsc" \
    >"$out/lintian.txt" 2>"$out/lintian.err" ||
    { cat "$out/lintian.err"; fail "lintian did not run"; }
cat "$out/lintian.txt"
grep -q '^[EW]: ' "$out/lintian.txt" && fail "lintian reports errors or warnings"
while read -r tag; do
    printf '%s\n' "${accepted_tags[@]}" | grep -qx -- "$tag" ||
        fail "lintian tag not accepted: $tag"
done < <(sed -n 's/^[IPX]: [^:]*: \([^ ]*\).*/\1/p' "$out/lintian.txt" | sort -u)

# The files: the game and the tool in /usr/games, the data beside them, the manuals
# compressed, every picture and sound the build made.
for package in "$deb" "$data_deb"; do dpkg-deb -c "$package"; done |
    awk '{ print $1, $6 }' | sort -u -k2 >"$out/listing.txt"
awk '$1 !~ /^d/ { print $2 }' "$out/listing.txt" | sort >"$out/files.txt"
for file in usr/games/brellik usr/games/qbank usr/share/games/brellik/Data/otazky4.crp \
            usr/share/games/brellik/Data/otazky4.tem \
            usr/share/games/brellik/web/index.html usr/share/games/brellik/web/phone.js \
            usr/share/games/brellik/Data/key.txt usr/share/games/brellik/Data/intro.dat \
            usr/share/applications/cz.brellik.brellik.desktop \
            usr/share/metainfo/cz.brellik.brellik.metainfo.xml \
            usr/share/man/man6/brellik.6.gz usr/share/man/man1/qbank.1.gz \
            usr/share/doc/brellik/copyright usr/share/doc/brellik/changelog.gz \
            usr/share/doc/brellik-data/copyright \
            usr/share/icons/hicolor/16x16/apps/brellik.png \
            usr/share/icons/hicolor/256x256/apps/brellik.png; do
    grep -qx "./$file" "$out/files.txt" || fail "the package lacks /$file"
done
game="$out/brellik/obj-$(dpkg-architecture -qDEB_HOST_GNU_TYPE)/game"
for folder in Bitmaps Sounds; do
    made=$(find "$game/$folder" -type f | wc -l)
    packed=$(grep -c "^\./usr/share/games/brellik/$folder/" "$out/files.txt")
    [ "$made" -gt 0 ] && [ "$made" = "$packed" ] || fail "$packed of $made files of $folder packed"
done

# Depends: exactly the packages of the libraries the binaries link, the font and the data.
extract="$out/extract"
dpkg-deb -x "$deb" "$extract"
for binary in "$extract/usr/games/brellik" "$extract/usr/games/qbank"; do
    objdump -p "$binary" | awk '$1 == "NEEDED" { print $2 }'
done | sort -u >"$out/needed.txt"
{ echo fonts-liberation2; echo brellik-data
  while read -r library; do
      dpkg-query -S "*/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/$library" 2>/dev/null | head -n 1 | cut -d: -f1
  done <"$out/needed.txt"; } | sort -u >"$out/expected_depends.txt"
dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/(.*)//; s/ //g' | grep . | sort -u \
    >"$out/depends.txt"
diff "$out/expected_depends.txt" "$out/depends.txt" ||
    fail "Depends is not the linked libraries' packages and the font"

# Installed, the game starts from the PATH, away from any `make install` under /usr/local.
$sudo dpkg -i "$deb" "$data_deb" >"$out/install.log" 2>&1 ||
    { cat "$out/install.log"; fail "dpkg -i"; }
user_path=/usr/games:/usr/bin:/bin
[ "$(PATH=$user_path command -v brellik)" = /usr/games/brellik ] ||
    fail "brellik is not on the PATH"
# The version in debian/changelog and the program's own must be the same.
[ "$(/usr/games/brellik --version)" = "brellik $(dpkg-deb -f "$deb" Version)" ] ||
    fail "the package's version is not the program's"
home="$out/home" elsewhere="$out/elsewhere"
mkdir -p "$home" "$elsewhere"
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$out/display" >"$out/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 300); do [ -s "$out/display" ] && break; sleep 0.1; done  # a loaded machine starts it slowly
display=":$(head -n 1 "$out/display")"
(cd "$elsewhere" && exec env PATH=$user_path BRELLIK_HOME="$home" DISPLAY=$display \
    SDL_VIDEODRIVER=x11 brellik >"$out/game.log" 2>&1) &
game_pid=$!
window=$(wait_for_window Brellik)
if [ -z "$window" ]; then
    fail "no game window"; cat "$out/game.log"
else
    sleep 1
    DISPLAY=$display xdotool mousemove 512 384 click 1  # skip the intro
    sleep 2
    DISPLAY=$display import -window root "$out/main_menu.png" 2>/dev/null
    # The main menu's background, untouched in its top left corner, read from the package.
    convert /usr/share/games/brellik/Bitmaps/main_bg.png -crop 400x150+0+0 +repage \
        -resize '512x192!' "$out/expected_corner.png"
    convert "$out/main_menu.png" -crop 512x192+0+0 +repage "$out/shown_corner.png"
    difference=$(compare -metric RMSE "$out/expected_corner.png" "$out/shown_corner.png" \
                 null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p')
    awk -v d="${difference:-1}" 'BEGIN { exit !(d < 0.02) }' ||
        fail "not the main menu (difference ${difference:-unknown} from its background)"
    pid=$game_pid
    close_game "$xclose"
    xvfb_pid=""
fi
game_pid=""
head -n 1 "$home/Debug.log" 2>/dev/null | grep -qx 'Interface::PreInit () OK' ||
    fail "no Debug.log in the user folder"

# Removed, nothing of the packages is left: no file, and no folder that no other package owns.
$sudo dpkg -r "${packages[@]}" >"$out/remove.log" 2>&1 || { cat "$out/remove.log"; fail "dpkg -r"; }
installed && fail "still installed after dpkg -r"
while read -r type path; do
    path=${path#.}
    [ -n "$path" ] && [ "$path" != / ] || continue
    if [[ $type == d* ]]; then
        [ -d "$path" ] && ! dpkg-query -S "$path" >/dev/null 2>&1 && fail "left behind: $path/"
    else
        [ -e "$path" ] || [ -L "$path" ] && fail "left behind: $path"
    fi
done <"$out/listing.txt"

rm -rf "$extract"
[ $status -eq 0 ] && echo "packages built, lintian clean, installed, played from the PATH, removed"
exit $status
