#!/usr/bin/env bash
# Prints how large the tests are against the code: non-blank, non-comment lines of the
# tracked files under tests/ over those under src/. The house keeps it at 25-35 %.
set -euo pipefail
cd "$(dirname "$0")/.."
zeilen() { xargs -r cat | grep -c -v -E "$1" || true; }
code=$(git ls-files 'src/*' | grep -E '\.(cpp|h|hpp)$' | zeilen '^\s*(//.*)?$')
tests=$(git ls-files 'tests/*' | grep -E '\.(cpp|h|hpp|py|sh)$' | zeilen '^\s*(//.*|#.*)?$')
echo "Code:   ${code} Zeilen (src/)"
echo "Tests:  ${tests} Zeilen (tests/)"
echo "Anteil: $((100 * tests / code)) %"
