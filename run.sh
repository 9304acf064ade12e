#!/usr/bin/env bash
# Builds everything and starts the program. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Kein Bildschirm gefunden (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt)." >&2
  echo "Das Fenster startet ohne Bildschirm mit:  xvfb-run ./run.sh" >&2
  echo "Ohne Fenster rechnet das Werkzeug zor, z. B.:  build/release/src/cli/zor --help" >&2
  exit 1
fi
exec build/release/src/app/zorwerk "$@"
