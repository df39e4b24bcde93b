#!/bin/bash
# Checks that every include between the rooms of src/ runs downward:
#   app > single, multi, classroom > scores, room > screens > sound > controls > frame > gfx, quiz,
#   phones, sets
#   > platform
# (the modes write their results into the score tables; the tables know no mode).
# A room may include its own headers and those of any lower room, never a room on its own
# level or above. A new room must be given a level here.
set -u
src=${1:?usage: include_layers.sh SRC_DIR}

declare -A level=(
    [platform]=0
    [gfx]=1 [quiz]=1 [phones]=1 [sets]=1
    [frame]=2
    [controls]=3
    [sound]=4
    [screens]=5
    [scores]=6 [room]=6
    [single]=7 [multi]=7 [classroom]=7
    [app]=8
)

failures=0
for dir in "$src"/*/; do
    room=$(basename "$dir")
    if [[ -z ${level[$room]+set} ]]; then
        echo "src/$room has no level: add it to $0"
        failures=$((failures + 1))
    fi
done

while IFS= read -r file; do
    rel=${file#"$src"/}
    room=${rel%%/*}
    [[ -n ${level[$room]+set} ]] || continue
    while IFS= read -r target; do
        # Resolve the include as the compiler would: beside the file first, then from src/.
        if [[ -e "$(dirname "$file")/$target" ]]; then
            resolved=$(realpath -m --relative-to="$src" "$(dirname "$file")/$target")
        elif [[ -e "$src/$target" ]]; then
            resolved=$target
        else
            continue
        fi
        other=${resolved%%/*}
        [[ $other == "$room" ]] && continue
        if [[ -z ${level[$other]+set} || ${level[$other]} -ge ${level[$room]} ]]; then
            echo "$rel includes $target: $room may not include $other"
            failures=$((failures + 1))
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) | sort)

if ((failures > 0)); then
    echo "$failures problem(s) with the layers"
    exit 1
fi
echo "every include runs downward"
