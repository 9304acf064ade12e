#!/usr/bin/env bash
# Installs what building and running the program need on Debian 12 (with --tests also
# what the tests, benchmarks and package checks need), with apt only. Calls neither apt
# nor sudo when everything is there. A user who may not install gets the command to ask
# an administrator for, and a non-zero exit.
set -euo pipefail

# Real package names only: dpkg-query never reports a virtual one as installed.
programm=(
  build-essential cmake ninja-build pkg-config
  libcli11-dev
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev
  qt6-qpa-plugins qt6-translations-l10n
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  help2man
)
tests=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth
  desktop-file-utils appstream lintian
  python3 python3-mido file
  poppler-utils libpython3.11-testsuite
)

case "${1:-}" in
  "") pakete=("${programm[@]}") ;;
  --tests) pakete=("${programm[@]}" "${tests[@]}") ;;
  *) echo "Aufruf: $0 [--tests]" >&2; exit 2 ;;
esac

# One query for all: packages dpkg does not know are left out of its answer.
installiert=$(dpkg-query -W -f='${Package} ${Status}\n' "${pakete[@]}" 2>/dev/null |
  awk '$NF == "installed" && $(NF-1) == "ok" { print $1 }' || true)
fehlend=()
for p in "${pakete[@]}"; do
  grep -qx -- "$p" <<<"$installiert" || fehlend+=("$p")
done

if [ ${#fehlend[@]} -eq 0 ]; then
  exit 0
fi

befehl="apt-get install -y --no-install-recommends ${fehlend[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1 && { sudo -n true 2>/dev/null || [ -t 0 ]; }; then
  sudo=(sudo)
else
  {
    echo "install-deps: Es fehlen Pakete: ${fehlend[*]}"
    echo "Dieser Benutzer darf keine Pakete installieren (kein root, kein sudo)."
    echo "Bitte eine Administratorin oder einen Administrator, als root auszuführen:"
    echo
    echo "  apt-get update && $befehl"
  } >&2
  exit 1
fi

echo "install-deps: installiere ${fehlend[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
