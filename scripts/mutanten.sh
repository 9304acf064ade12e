#!/usr/bin/env bash
# Mutation run: applies each row of scripts/mutanten.txt alone, rebuilds the covering test
# binary and runs the covering tests. A mutant the tests do not notice shows a hole in them.
#
# The mutants are applied to a private copy of the sources (build/mutanten/baum), never to the
# checkout, so an interrupted run cannot leave a mutated file behind. The copy is refreshed at
# every start (only changed files are rewritten, so the build stays incremental).
#
#   scripts/mutanten.sh [--nur REGEX] [-j N] [--zeit SEKUNDEN] [--liste DATEI]
#
# --nur picks the rows whose text (file, search, replacement, filter) matches REGEX;
# -j is the build parallelism; --zeit the limit per mutant's test run (a hang counts as
# killed). Run by hand, not in CI.
set -uo pipefail

wurzel=$(cd "$(dirname "$0")/.." && pwd)
liste=$wurzel/scripts/mutanten.txt
nur=""
jobs=2
zeit=300
while [[ $# -gt 0 ]]; do
  case $1 in
    --nur) nur=$2; shift 2 ;;
    -j) jobs=$2; shift 2 ;;
    -j*) jobs=${1#-j}; shift ;;
    --zeit) zeit=$2; shift 2 ;;
    --liste) liste=$2; shift 2 ;;
    *) echo "Unbekannte Option: $1" >&2; exit 2 ;;
  esac
done

baum=$wurzel/build/mutanten/baum
# Two levels below the copy, like build/release below the checkout: ccache (base_dir) then
# shares the objects of unchanged files with the other builds.
bau=$baum/build/mut
mkdir -p "$baum"

# Copies changed files only (a new mtime makes ninja rebuild them) and drops files that are
# gone from the checkout (the test globs would otherwise still see them).
python3 - "$wurzel" "$baum" CMakeLists.txt CMakePresets.json LICENSE README.md cmake src tests resources bench <<'PY'
import filecmp, os, shutil, sys
wurzel, baum, teile = sys.argv[1], sys.argv[2], sys.argv[3:]
def dateien(basis, teil):
    p = os.path.join(basis, teil)
    if os.path.isfile(p):
        return {teil}
    return {os.path.relpath(os.path.join(d, f), basis) for d, _, fs in os.walk(p)
            if '/build' not in d[len(basis):] for f in fs}
for teil in teile:
    quelle = dateien(wurzel, teil)
    for f in quelle:
        a, b = os.path.join(wurzel, f), os.path.join(baum, f)
        if not os.path.exists(b) or not filecmp.cmp(a, b, shallow=False):
            os.makedirs(os.path.dirname(b), exist_ok=True)
            shutil.copyfile(a, b)
    for f in dateien(baum, teil) - quelle:
        if not f.startswith('build'):
            os.remove(os.path.join(baum, f))
PY

if [[ ! -f $bau/build.ninja ]]; then
  cmake -S "$baum" -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZOR_BUILD_APP=OFF >/dev/null ||
    { echo "Konfigurieren fehlgeschlagen" >&2; exit 1; }
fi

declare -A ziel_target=([core]=zorcore_tests [cli]=zor_cli_tests)
declare -A ziel_binary=([core]=$bau/tests/zorcore_tests [cli]=$bau/tests/zor_cli_tests)

bauen() { cmake --build "$bau" -j"$jobs" --target "$@" >"$bau/mutant_bau.log" 2>&1; }
pruefen() { timeout "$zeit" "${ziel_binary[$1]}" --gtest_filter="$2" --gtest_brief=1 >/dev/null 2>&1; }

echo "Baue die unveränderten Testprogramme …"
bauen zor zorcore_tests zor_cli_tests || { echo "Der unveränderte Stand baut nicht" >&2; exit 1; }

# The rows, without comments and blank lines, optionally narrowed by --nur.
mapfile -t zeilen < <(grep -v -E '^\s*(#|$)' "$liste" | { if [[ -n $nur ]]; then grep -E -- "$nur"; else cat; fi; })

# Every filter must pass unmutated, or its rows would count as killed for nothing.
declare -A grundlage=()
for zeile in "${zeilen[@]}"; do
  IFS=$'\x1f' read -r _ _ _ ziel filter <<<"${zeile//$'\t'/$'\x1f'}"
  schluessel="$ziel $filter"
  [[ -n ${grundlage[$schluessel]:-} ]] && continue
  if pruefen "$ziel" "$filter"; then grundlage[$schluessel]=gut; else
    grundlage[$schluessel]=rot
    echo "WARNUNG: $ziel $filter scheitert schon ohne Mutant; seine Zeilen zählen nicht." >&2
  fi
done

sicherung=$(mktemp)
aktiv=""
zuruecksetzen() {
  if [[ -n $aktiv ]]; then
    cp "$sicherung" "$aktiv"   # a fresh mtime: the next build recompiles the original
    aktiv=""
  fi
}
trap 'zuruecksetzen; rm -f "$sicherung"' EXIT
trap 'zuruecksetzen; exit 130' INT TERM

getoetet=0; gesamt=0; unanwendbar=0; bautnicht=0; ungueltig=0; nr=0
for zeile in "${zeilen[@]}"; do
  # Tabs separate the fields; a non-blank separator keeps an empty replacement a field.
  IFS=$'\x1f' read -r datei suche ersatz ziel filter <<<"${zeile//$'\t'/$'\x1f'}"
  nr=$((nr + 1))
  etikett="$datei: '$suche' -> '$ersatz'"
  ziel_pfad=$baum/$datei
  if [[ -z ${ziel_target[$ziel]:-} || -z $filter ]]; then
    echo "[$nr] fehlerhafte Zeile             $etikett"; unanwendbar=$((unanwendbar + 1)); continue
  fi
  anzahl=$(python3 -c 'import sys; print(open(sys.argv[1], encoding="utf-8").read().count(sys.argv[2]))' \
    "$ziel_pfad" "$suche" 2>/dev/null || echo 0)
  if [[ $anzahl != 1 ]]; then
    echo "[$nr] nicht anwendbar ($anzahl Treffer) $etikett"; unanwendbar=$((unanwendbar + 1)); continue
  fi
  if [[ ${grundlage["$ziel $filter"]} != gut ]]; then
    echo "[$nr] ungültig (Tests rot)         $etikett"; ungueltig=$((ungueltig + 1)); continue
  fi
  cp "$ziel_pfad" "$sicherung"
  aktiv=$ziel_pfad
  python3 -c 'import sys; p=sys.argv[1]; t=open(p, encoding="utf-8").read()
open(p, "w", encoding="utf-8").write(t.replace(sys.argv[2], sys.argv[3], 1))' "$ziel_pfad" "$suche" "$ersatz"
  ziele=("${ziel_target[$ziel]}")
  [[ $ziel == cli ]] && ziele+=(zor)
  if ! bauen "${ziele[@]}"; then
    echo "[$nr] übersetzt nicht              $etikett"; bautnicht=$((bautnicht + 1))
  else
    gesamt=$((gesamt + 1))
    pruefen "$ziel" "$filter"
    rc=$?
    if [[ $rc == 0 ]]; then
      echo "[$nr] ÜBERLEBT                     $etikett"
    else
      getoetet=$((getoetet + 1))
      [[ $rc == 124 ]] && art="getötet (Zeitlimit)" || art="getötet"
      printf '[%s] %-28s %s\n' "$nr" "$art" "$etikett"
    fi
  fi
  zuruecksetzen
done

echo "nicht anwendbar: $unanwendbar, übersetzt nicht: $bautnicht, Tests schon rot: $ungueltig"
if [[ $gesamt -gt 0 ]]; then
  echo "getötet/gesamt: $getoetet/$gesamt ($((100 * getoetet / gesamt)) %)"
else
  echo "getötet/gesamt: 0/0"
fi
