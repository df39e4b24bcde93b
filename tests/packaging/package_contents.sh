#!/usr/bin/env bash
# Builds the Debian package from the build folder with CPack and checks it: the files a player
# needs under /usr and nothing else, and dependencies that are exactly the packages of the
# libraries the binaries link (as objdump reads them) and the font the game draws with.
set -u
build=$1 out=$2
status=0
fail() { echo "FAIL: $*"; status=1; }
rm -rf "$out" && mkdir -p "$out"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(ls "$out"/brellik_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "FAIL: no .deb in $out"; exit 1; }

dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort >"$out/files.txt"
for file in usr/bin/brellik usr/bin/qbank usr/share/brellik/Data/otazky4.crp \
            usr/share/brellik/Data/key.txt usr/share/brellik/Data/intro.dat \
            usr/share/brellik/web/index.html usr/share/brellik/web/phone.js \
            usr/share/applications/cz.brellik.brellik.desktop \
            usr/share/metainfo/cz.brellik.brellik.metainfo.xml usr/share/man/man6/brellik.6; do
    grep -qx "./$file" "$out/files.txt" || fail "the package lacks /$file"
done
for size in 16 22 24 32 48 64 128 256; do
    grep -qx "./usr/share/icons/hicolor/${size}x${size}/apps/brellik.png" "$out/files.txt" ||
        fail "the package lacks the ${size}x${size} icon"
done
pictures=$(find "$build/game/Bitmaps" -type f | wc -l)
packed=$(grep -c '^\./usr/share/brellik/Bitmaps/' "$out/files.txt")
[ "$pictures" = "$packed" ] || fail "$packed pictures packed, the build made $pictures"
sounds=$(find "$build/game/Sounds" -type f | wc -l)
packed=$(grep -c '^\./usr/share/brellik/Sounds/' "$out/files.txt")
[ "$sounds" -gt 0 ] && [ "$sounds" = "$packed" ] || fail "$packed sounds packed, the build made $sounds"
stray=$(grep -v '^\./usr/\(bin\|share\)/' "$out/files.txt" | head -n 3)
[ -z "$stray" ] || fail "files outside /usr/bin and /usr/share: $stray"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# The package names of Depends, without versions.
echo "$depends" | tr ',' '\n' | sed 's/(.*)//; s/ //g' | grep . | sort -u >"$out/depends.txt"

extract="$out/extract"
dpkg-deb -x "$deb" "$extract"
for binary in "$extract/usr/bin/brellik" "$extract/usr/bin/qbank"; do
    objdump -p "$binary" | awk '$1 == "NEEDED" { print $2 }'
done | sort -u >"$out/needed.txt"
[ -s "$out/needed.txt" ] || fail "objdump found no libraries"
expected="fonts-liberation2"
while read -r library; do
    owner=$(dpkg-query -S "*/$library" 2>/dev/null | head -n 1 | cut -d: -f1)
    [ -n "$owner" ] || { fail "no package holds $library"; continue; }
    expected="$expected"$'\n'"$owner"
done <"$out/needed.txt"
echo "$expected" | sort -u >"$out/expected.txt"
diff "$out/expected.txt" "$out/depends.txt" >"$out/depends.diff" ||
    { fail "Depends is not the linked libraries' packages and the font:"; cat "$out/depends.diff"; }

[ $status -eq 0 ] && echo "$(wc -l <"$out/files.txt") files; Depends as linked"
rm -rf "$extract" "$out/_CPack_Packages"
exit $status
