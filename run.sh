#!/usr/bin/env bash
# Builds everything and starts the program. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"
if [ -x build/release/src/app/zorwerk ]; then
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Kein Bildschirm gefunden (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt)." >&2
    echo "Das Fenster startet ohne Bildschirm mit:  xvfb-run ./run.sh" >&2
    echo "Ohne Fenster rechnet das Werkzeug zor, z. B.:  build/release/src/cli/zor --help" >&2
    exit 1
  fi
  exec build/release/src/app/zorwerk "$@"
fi
zor=build/release/src/cli/zor
echo "Das Fenster des Programms kommt mit der Programmoberfläche; bis dahin zeigt zor die Startwerte:"
echo
echo "Parametersatz 1 (BSC, p = 0.1), die ersten 64 Bits:"
"$zor" sequence --preset bsc1 --n 64 --out /tmp/zor-demo-1.FFO && cat /tmp/zor-demo-1.FFO && echo
echo "Gilbert-Elliott (Startwerte Satz 1), die ersten 64 Bits:"
"$zor" sequence --preset ge1 --n 64 --out /tmp/zor-demo-2.FFO && cat /tmp/zor-demo-2.FFO && echo
rm -f /tmp/zor-demo-1.FFO /tmp/zor-demo-2.FFO
