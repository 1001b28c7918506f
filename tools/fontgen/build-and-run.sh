#!/bin/sh
# Builds the font generator and rewrites src/gfx/font_data.cpp from the DejaVu fonts.
# Needs libfreetype-dev and fonts-dejavu-core; the unit's own build needs neither.
set -e
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
fonts=${DEJAVU_DIR:-/usr/share/fonts/truetype/dejavu}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
c++ -std=c++20 -O2 -Wall -Wextra "$here/fontgen.cpp" $(pkg-config --cflags --libs freetype2) -o "$out/fontgen"
"$out/fontgen" "$fonts" "$root/src/gfx/FONT-LICENSE" "$@" > "$out/font_data.cpp"
mv "$out/font_data.cpp" "$root/src/gfx/font_data.cpp"
echo "wrote src/gfx/font_data.cpp"
