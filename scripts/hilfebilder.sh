#!/usr/bin/env bash
# Regenerates the screenshots of the help pages (resources/help/images/*.png) from the
# running program: builds the screenshot program and runs it offscreen. Commit the
# pictures it writes; ctest runs the same program only to check that all can be made.
#   scripts/hilfebilder.sh [build directory]     (default build/release)
set -euo pipefail

wurzel=$(cd "$(dirname "$0")/.." && pwd)
bau=${1:-$wurzel/build/release}
ziel=$wurzel/resources/help/images

cmake --build "$bau" -j2 --target hilfebilder
mkdir -p "$ziel"
# Fixed settings and font scale, so that pictures differ only where the program did.
einstellungen=$(mktemp -d)
trap 'rm -rf "$einstellungen"' EXIT
QT_QPA_PLATFORM=offscreen QT_AUDIO_BACKEND=none QT_SCALE_FACTOR=1 XDG_CONFIG_HOME="$einstellungen" \
  "$bau/tests/app/hilfebilder" "$ziel"

# Lossless recompression when the tool is installed; the program already writes compact PNGs.
if command -v optipng >/dev/null; then optipng -quiet -o2 "$ziel"/*.png; fi
du -ch "$ziel"/*.png | tail -n 1
