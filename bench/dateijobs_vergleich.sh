#!/bin/sh
# Whole file jobs of zor, timed end to end, side by side with zzuf and xxd.
# Run by hand on a quiet machine:  bench/dateijobs_vergleich.sh [DIR] [RUNS]
# DIR (default /dev/shm) holds the test files; zzuf comes from the Debian package zzuf.
set -eu
ZOR=${ZOR:-$(dirname "$0")/../build/release/src/cli/zor}
DIR=${1:-/dev/shm}/zor-vergleich
RUNS=${2:-5}
mkdir -p "$DIR"
IN=$DIR/in.bin
[ -f "$IN" ] || head -c 268435456 /dev/urandom > "$IN"

# Prints "seconds peak-KiB" of one run; the output file is removed first, so both
# tools pay for creating it.
lauf() {
    out=$1; shift
    rm -f "$out"
    /usr/bin/time -f "%e %M" -o "$DIR/zeit" sh -c "$*" > /dev/null 2>&1
    cat "$DIR/zeit"
}

median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

mbps() { awk -v b="$1" -v s="$2" 'BEGIN { printf "%.0f MB/s", b / s / 1e6 }'; }

bytes=$(stat -c %s "$IN")
: > "$DIR/zor.t"; : > "$DIR/zzuf.t"
for i in $(seq "$RUNS"); do
    lauf "$DIR/out.bin" "'$ZOR' corrupt bsc --p 0.001 '$IN' '$DIR/out.bin'" >> "$DIR/zor.t"
    lauf "$DIR/zzuf.bin" "zzuf -c -r 0.001 -s 1234 cat '$IN' > '$DIR/zzuf.bin'" >> "$DIR/zzuf.t"
done
z=$(cut -d' ' -f1 "$DIR/zor.t" | median); zz=$(cut -d' ' -f1 "$DIR/zzuf.t" | median)
echo "corrupt bsc 0.001, 256 MiB: zor $z s ($(mbps "$bytes" "$z")), zzuf $zz s ($(mbps "$bytes" "$zz")), ratio $(awk -v a="$zz" -v b="$z" 'BEGIN { printf "%.2f", a / b }'), zor peak $(cut -d' ' -f2 "$DIR/zor.t" | sort -n | tail -1) KiB"

for m in ge mc; do
    set -- $(lauf "$DIR/out.bin" "'$ZOR' corrupt $m '$IN' '$DIR/out.bin'")
    echo "corrupt $m, 256 MiB: $1 s ($(mbps "$bytes" "$1")), peak $2 KiB"
done

set -- $(lauf "$DIR/v.vgl" "'$ZOR' compare '$IN' '$DIR/out.bin' '$DIR/v.vgl'")
echo "compare, 256 MiB: $1 s ($(mbps "$bytes" "$1")), peak $2 KiB"
set -- $(lauf "$DIR/m.FAB" "'$ZOR' derive '$DIR/v.vgl' '$DIR/m.FAB'")
echo "derive FAB, 256 MiB: $1 s, peak $2 KiB"
set -- $(lauf "$DIR/wieder.bin" "'$ZOR' corrupt pattern '$IN' '$DIR/m.FAB' '$DIR/wieder.bin'")
echo "corrupt pattern FAB, 256 MiB: $1 s, peak $2 KiB"
cmp -s "$DIR/wieder.bin" "$DIR/out.bin" && echo "  pattern reproduces the MC copy"

# A 100 MB error sequence (BSC, p = 0.001) converted both ways.
F=$DIR/folge.FFO
[ -f "$F" ] || "$ZOR" sequence --model bsc --p 0.001 --n 100000000 --out "$F"
fb=$(stat -c %s "$F")
: > "$DIR/conv.t"
for i in $(seq "$RUNS"); do lauf "$DIR/folge.FAB" "'$ZOR' convert '$F'" >> "$DIR/conv.t"; done
c=$(cut -d' ' -f1 "$DIR/conv.t" | median)
echo "convert FFO -> FAB, 100 MB: $c s ($(mbps "$fb" "$c")), peak $(cut -d' ' -f2 "$DIR/conv.t" | sort -n | tail -1) KiB"
rm -f "$DIR/folge.FFO.neu"
set -- $(lauf "$DIR/folge.FFO" "'$ZOR' convert '$DIR/folge.FAB'")
echo "convert FAB -> FFO, 100 MB out: $1 s ($(mbps "$fb" "$1")), peak $2 KiB"

# hex against xxd on 64 MiB.
H=$DIR/hex.bin
head -c 67108864 "$IN" > "$H"
: > "$DIR/hex.t"; : > "$DIR/xxd.t"
for i in $(seq "$RUNS"); do
    lauf "$DIR/x" "'$ZOR' hex '$H'" >> "$DIR/hex.t"
    lauf "$DIR/x" "xxd '$H'" >> "$DIR/xxd.t"
done
h=$(cut -d' ' -f1 "$DIR/hex.t" | median); x=$(cut -d' ' -f1 "$DIR/xxd.t" | median)
echo "hex, 64 MiB: zor $h s, xxd $x s, peak $(cut -d' ' -f2 "$DIR/hex.t" | sort -n | tail -1) KiB"
set -- $(lauf "$DIR/x" "'$ZOR' bin '$H'")
echo "bin, 64 MiB: $1 s, peak $2 KiB"
