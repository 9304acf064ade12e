#!/usr/bin/env bash
# Format (.clang-format) and lint (.clang-tidy) of the lines this branch changes against
# its merge base with main: quick, and never failing over lines nobody touched.
#   scripts/stil_pruefen.sh [base]      (default: the merge base with main)
# clang-tidy needs build/release/compile_commands.json (cmake --preset release).
set -euo pipefail
cd "$(dirname "$0")/.."

basis=${1:-$(git merge-base HEAD main 2>/dev/null || true)}
if [ -z "$basis" ]; then
  echo "stil: keine Basis gefunden, nichts geprüft"
  exit 0
fi
format=$(command -v clang-format-14 || command -v clang-format || true)
tidy_diff=$(command -v clang-tidy-diff-14.py || command -v clang-tidy-diff || true)
fehler=0

if [ -n "$format" ] && command -v git-clang-format-14 >/dev/null; then
  abweichung=$(git clang-format-14 --binary "$format" --diff "$basis" -- src tests bench || true)
  case "$abweichung" in
    "" | *"no modified files to format"* | *"did not modify any files"*) ;;
    *) echo "$abweichung"; echo "stil: Zeilen oben nicht nach .clang-format (git clang-format-14 $basis)"; fehler=1 ;;
  esac
else
  echo "stil: clang-format-14 fehlt, Format nicht geprüft"
fi

if [ -n "$tidy_diff" ] && [ -f build/release/compile_commands.json ]; then
  if ! git diff --quiet "$basis" -- 'src/*.cpp' 'tests/*.cpp'; then
    # clang-tidy-diff exits 0 even when it reports findings, so its output decides.
    befund=$(git diff -U0 "$basis" -- 'src/*.cpp' 'tests/*.cpp' |
      "$tidy_diff" -p1 -path build/release -quiet -j 2 -iregex '.*\.cpp' 2>&1 || true)
    if grep -Eq ': (warning|error):' <<<"$befund"; then
      echo "$befund"
      echo "stil: clang-tidy meldet die Zeilen oben"
      fehler=1
    fi
  fi
else
  echo "stil: clang-tidy-diff oder build/release/compile_commands.json fehlt, nicht geprüft"
fi
exit $fehler
