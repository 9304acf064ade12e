#!/usr/bin/env bash
# Runs the command lines of the README's ```sh blocks, top to bottom, in one shell whose
# HOME is an empty temporary folder, with the built zor and zorwerk-render on the PATH,
# as a reader would after the build. Each line must succeed and must not change a file
# that an earlier line wrote (no example clobbers another's output).
#
# Markers, written in a line's trailing comment in the README:
#   [checkout]  the line runs in the source tree (building, testing, installing): skipped
#   [display]   the line needs a screen: skipped
# Every README command is one line (no continuation lines).
#
# Usage: readme_bloecke.sh README.md ZOR_DIR RENDER_DIR
set -u  # no pipefail: a reader's shell has none, and `| head` ends a writer early

readme=$1
export PATH="$2:$3:$PATH"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export HOME=$tmp/home
mkdir -p "$HOME"

zeilen=()
while IFS= read -r zeile; do
  zeilen+=("$zeile")
done < <(awk '/^```sh[[:space:]]*$/ { drin = 1; next } /^```/ { drin = 0; next } drin' "$readme")

# The files below HOME with their modification time and size.
bestand() { find "$HOME" -type f -printf '%p %T@ %s\n' | sort; }

gelaufen=0
cd "$HOME"
for zeile in "${zeilen[@]}"; do
  befehl=${zeile%%#*}
  [[ -z "${befehl//[[:space:]]/}" ]] && continue
  if [[ "$zeile" == *"[checkout]"* || "$zeile" == *"[display]"* ]]; then
    echo "übersprungen: $zeile"
    continue
  fi
  vorher=$(bestand)
  echo "+ $zeile"
  if ! eval "$zeile"; then
    echo "README-Befehl gescheitert: $zeile" >&2
    exit 1
  fi
  # A file that existed before this line and has changed since was overwritten.
  geaendert=$(join -j1 <(echo "$vorher") <(bestand) | awk '$2 != $4 || $3 != $5 { print $1 }')
  if [ -n "$geaendert" ]; then
    echo "README-Befehl überschreibt eine frühere Ausgabe: $zeile" >&2
    echo "$geaendert" >&2
    exit 1
  fi
  gelaufen=$((gelaufen + 1))
done

if [ "$gelaufen" -lt 10 ]; then
  echo "Nur $gelaufen README-Befehle gefunden; sind die \`\`\`sh-Blöcke noch da?" >&2
  exit 1
fi
echo "$gelaufen README-Befehle gelaufen."
