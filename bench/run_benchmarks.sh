#!/usr/bin/env bash
# Benchmarks wfpack against `wc -l` on large synthetic sources and prints a
# Markdown report. This is a report, not a test: it exits 0 whether or not
# the targets are met, and non-zero only when it cannot run at all.
#
# Usage: bench/run_benchmarks.sh        (from anywhere)
#
# Environment:
#   WFPACK        wfpack binary to measure (default: build/default/wfpack,
#                 built with the default preset if it is missing)
#   BENCH_DIR     scratch directory for the sources and outputs
#                 (default: build/bench under the project root)
#   RUNS          timed runs of each command per source (default 5)
#   PADDED_MIB    size of padded.c in MiB (default 256)
#   PACKED_MIB    size of packed.c in MiB (default 256)
#   COMMENTS_MIB  size of comments.c in MiB (default 256)
#   ONELINE_MIB   length of the single line of oneline.c in MiB (default 1024)
#   PAIRS         alternating cp and wfpack runs on design.c, a 16 KiB
#                 design-tool source, for the start-up figure (default 31)
#   WFPACK_OPTIONS  options for every wfpack run, split at blanks, such as
#                 "--header --storage=const" (default: none)
#
# Quick run: PADDED_MIB=16 PACKED_MIB=16 COMMENTS_MIB=16 ONELINE_MIB=64 RUNS=3 bench/run_benchmarks.sh
#
# Progress goes to stderr; the report alone goes to stdout.

set -euo pipefail
export LC_ALL=C

script_dir=$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")" && pwd)
root=$(cd -- "$script_dir/.." && pwd)

runs=${RUNS:-5}
padded_mib=${PADDED_MIB:-256}
packed_mib=${PACKED_MIB:-256}
comments_mib=${COMMENTS_MIB:-256}
oneline_mib=${ONELINE_MIB:-1024}
pairs=${PAIRS:-31}
read -r -a wfpack_options <<< "${WFPACK_OPTIONS:-}"

# Targets: wfpack on each 256 MiB source within this factor of `wc -l`, on
# the single long line within this factor, every run's peak RSS below this
# many KiB, and a run on design.c no slower than cp of the same file.
max_ratio=3
max_line_ratio=1.5
max_rss_kib=4096
max_startup_ratio=1

say() { printf '%s\n' "$*" >&2; }
die() { say "run_benchmarks.sh: $*"; exit 1; }

for value in "$runs" "$padded_mib" "$packed_mib" "$comments_mib" "$oneline_mib" "$pairs"; do
    [[ $value =~ ^[1-9][0-9]*$ ]] || die "RUNS, PAIRS and *_MIB must be positive integers (got '$value')"
done

# GNU time reports the peak RSS; the shell's `time` keyword cannot.
if ! /usr/bin/time --version 2>&1 | grep -q 'GNU'; then
    say "run_benchmarks.sh: GNU time is needed at /usr/bin/time to measure peak memory."
    say "Install it with:  sudo apt-get install time     (Debian/Ubuntu)"
    say "               or sudo dnf install time         (Fedora)"
    exit 1
fi
command -v python3 >/dev/null || die "python3 is needed to generate the sources"

# --- the binary -----------------------------------------------------------

if [[ -n ${WFPACK:-} ]]; then
    wfpack=$WFPACK
    [[ -x $wfpack && ! -d $wfpack ]] || die "WFPACK=$wfpack is not an executable file"
else
    wfpack=$root/build/default/wfpack
    if [[ ! -x $wfpack ]]; then
        say "building wfpack (default preset, optimised)"
        (cd -- "$root" && cmake --preset default >&2 && cmake --build --preset default --target wfpack >&2) \
            || die "build failed"
        [[ -x $wfpack ]] || die "build finished but $wfpack is missing"
    fi
fi
wfpack=$(cd -- "$(dirname -- "$wfpack")" && pwd)/$(basename -- "$wfpack")

# --- the scratch directory -----------------------------------------------

# Resolved before it is created, so a wrong BENCH_DIR leaves no trace in src/.
bench_dir=$(realpath -m -- "${BENCH_DIR:-$root/build/bench}")
src_dir=$(realpath -m -- "$root/src")
if [[ $bench_dir == "$src_dir" || $bench_dir == "$src_dir"/* ]]; then
    die "BENCH_DIR must not be inside src/ ($bench_dir)"
fi
mkdir -p -- "$bench_dir"

mib=1048576
padded_bytes=$((padded_mib * mib))
packed_bytes=$((packed_mib * mib))
comments_bytes=$((comments_mib * mib))
oneline_bytes=$((oneline_mib * mib))

# Refuse to start filling a disk that cannot hold the sources. Files already
# of a usable size are rewritten in place at most, so count them as free.
need=0
for pair in "padded.c:$padded_bytes" "packed.c:$packed_bytes" "comments.c:$comments_bytes" "oneline.c:$oneline_bytes"; do
    name=${pair%%:*}
    bytes=${pair#*:}
    have=$(stat -c %s -- "$bench_dir/$name" 2>/dev/null || echo 0)
    (( have >= bytes )) || need=$((need + bytes - have))
done
avail_kib=$(df -Pk -- "$bench_dir" | awk 'NR == 2 { print $4 }')
if (( need / 1024 + 65536 > avail_kib )); then
    die "not enough space in $bench_dir: need about $((need / mib)) MiB more, $((avail_kib / 1024)) MiB free"
fi

# --- the sources ------------------------------------------------------------

python3 "$script_dir/make_source.py" padded "$bench_dir/padded.c" "$padded_bytes" >&2
python3 "$script_dir/make_source.py" packed "$bench_dir/packed.c" "$packed_bytes" >&2
python3 "$script_dir/make_source.py" comments "$bench_dir/comments.c" "$comments_bytes" >&2
python3 "$script_dir/make_source.py" oneline "$bench_dir/oneline.c" "$oneline_bytes" >&2
python3 "$script_dir/make_source.py" design "$bench_dir/design.c" 16384 >&2
if ! cmp -s -- "$root/examples/gpif.c" "$bench_dir/small.c"; then
    cp -- "$root/examples/gpif.c" "$bench_dir/small.c"
fi

sources=(padded.c packed.c comments.c oneline.c small.c)

# --- the runs ----------------------------------------------------------------

time_out=$bench_dir/.time.out
cmd_out=$bench_dir/.cmd.out
trap 'rm -f -- "$time_out" "$cmd_out"' EXIT

# GNU time's %e has a resolution of 1/100 s, too coarse next to `wc -l` on
# a warm file; bash's microsecond clock around the same run is used instead
# when there is one. Its extra cost (starting /usr/bin/time) is the same for
# both commands.
if [[ -n ${EPOCHREALTIME:-} ]]; then
    clock_note="wall clock around each run, in microseconds (bash EPOCHREALTIME); peak RSS from GNU time %M"
else
    clock_note="GNU time %e (1/100 s resolution) and %M"
fi

# run_timed FILE CMD...: runs CMD under GNU time; sets run_secs and run_rss.
run_timed() {
    local t0 t1 status=0
    t0=${EPOCHREALTIME:-}
    /usr/bin/time -f '%e %M' -o "$time_out" "$@" >"$cmd_out" 2>&1 || status=$?
    t1=${EPOCHREALTIME:-}
    if (( status != 0 )); then
        say "command failed with status $status: $*"
        sed 's/^/    /' -- "$cmd_out" >&2
        exit 1
    fi
    local line
    line=$(tail -n 1 -- "$time_out")
    run_rss=${line#* }
    if [[ -n $t0 ]]; then
        run_secs=$(awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.6f", b - a }')
    else
        run_secs=${line%% *}
    fi
}

median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.6f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
maximum() { printf '%s\n' "$@" | sort -g | tail -n 1; }

declare -A size_of wc_med wf_med wc_rss wf_rss
for src in "${sources[@]}"; do
    path=$bench_dir/$src
    size_of[$src]=$(stat -c %s -- "$path")
    say "timing $src (${size_of[$src]} bytes, $runs runs each)"
    # One untimed read so the first timed run does not pay for the disk.
    cat -- "$path" >/dev/null
    wc_secs=() wf_secs=() wc_rsss=() wf_rsss=()
    for ((i = 1; i <= runs; i++)); do
        run_timed wc -l "$path"
        wc_secs+=("$run_secs") wc_rsss+=("$run_rss")
        run_timed "$wfpack" "${wfpack_options[@]}" "$path"
        wf_secs+=("$run_secs") wf_rsss+=("$run_rss")
        say "  run $i: wc -l ${wc_secs[-1]} s ${wc_rsss[-1]} KiB, wfpack ${wf_secs[-1]} s ${wf_rsss[-1]} KiB"
    done
    wc_med[$src]=$(median "${wc_secs[@]}")
    wf_med[$src]=$(median "${wf_secs[@]}")
    wc_rss[$src]=$(maximum "${wc_rsss[@]}")
    wf_rss[$src]=$(maximum "${wf_rsss[@]}")
done

# --- start-up ---------------------------------------------------------------

# A firmware build runs wfpack once for each image, on a source of a few KiB:
# there the time to start a process counts, and cp of the same file, which
# starts one too, is the measure. Each pair runs cp, then wfpack; the wall
# clock alone is taken, as /usr/bin/time would add a start-up of its own.
wall() {
    local t0=$EPOCHREALTIME
    "$@" >/dev/null 2>&1 || die "command failed: $*"
    awk -v a="$t0" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.6f", b - a }'
}
say "timing design.c against cp ($pairs pairs)"
cp_secs=() start_secs=()
for ((i = 1; i <= pairs; i++)); do
    cp_secs+=("$(wall cp -- "$bench_dir/design.c" "$bench_dir/design_copy.c")")
    start_secs+=("$(wall "$wfpack" "${wfpack_options[@]}" "$bench_dir/design.c")")
done
cp_med=$(median "${cp_secs[@]}")
start_med=$(median "${start_secs[@]}")

# --- the report --------------------------------------------------------------

cpu=$(awk -F': *' '/^model name/ { print $2; exit }' /proc/cpuinfo 2>/dev/null || true)
[[ -n $cpu ]] || cpu=$(uname -m)
revision=$(git -C "$root" describe --always --dirty 2>/dev/null || echo unknown)

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }'; }

echo "## wfpack benchmarks"
echo
echo "- Date: $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "- Machine: $cpu, $(nproc) CPUs ($(uname -sm))"
echo "- wfpack: revision $revision${WFPACK_OPTIONS:+, options $WFPACK_OPTIONS}"
echo "- Runs: $runs of each command per source, alternating; times are medians"
echo "- Timing: $clock_note"
echo
echo "| Source | Size (MiB) | wc -l (s) | wfpack (s) | wfpack / wc | wfpack MB/s | wfpack peak RSS (KiB) | wc peak RSS (KiB) |"
echo "|---|---:|---:|---:|---:|---:|---:|---:|"
for src in "${sources[@]}"; do
    awk -v src="$src" -v size="${size_of[$src]}" -v wc="${wc_med[$src]}" -v wf="${wf_med[$src]}" \
        -v ratio="$(ratio "${wf_med[$src]}" "${wc_med[$src]}")" \
        -v wfr="${wf_rss[$src]}" -v wcr="${wc_rss[$src]}" 'BEGIN {
        mib = size / 1048576
        sz = (mib >= 10) ? sprintf("%.1f", mib) : sprintf("%.3f", mib)
        mbs = (wf > 0) ? sprintf("%.1f", size / wf / 1e6) : "n/a"
        printf "| %s | %s | %.3f | %.3f | %s | %s | %d | %d |\n", src, sz, wc, wf, ratio, mbs, wfr, wcr
    }'
done
echo
printf 'Start-up, design.c (16 KiB, %s alternating pairs): cp %.2f ms, wfpack %.2f ms, %s x\n' \
    "$pairs" "$(awk -v s="$cp_med" 'BEGIN { print s * 1000 }')" \
    "$(awk -v s="$start_med" 'BEGIN { print s * 1000 }')" "$(ratio "$start_med" "$cp_med")"
echo
echo "### Targets"
echo
# verdict RATIO LIMIT: PASS when the ratio is known and within the limit.
verdict() { awk -v r="$1" -v m="$2" 'BEGIN { print (r != "n/a" && r <= m) ? "PASS" : "FAIL" }'; }
for src in padded.c packed.c comments.c oneline.c; do
    limit=$max_ratio
    [[ $src == oneline.c ]] && limit=$max_line_ratio
    r=$(ratio "${wf_med[$src]}" "${wc_med[$src]}")
    printf -- '- %s: %s wfpack median %.3f s is %s x the wc -l median %.3f s (target at most %s x)\n' \
        "$(verdict "$r" "$limit")" "$src" "${wf_med[$src]}" "$r" "${wc_med[$src]}" "$limit"
done
r=$(ratio "$start_med" "$cp_med")
printf -- '- %s: design.c wfpack median %.2f ms is %s x the cp median %.2f ms (target at most %s x)\n' \
    "$(verdict "$r" "$max_startup_ratio")" "$(awk -v s="$start_med" 'BEGIN { print s * 1000 }')" "$r" \
    "$(awk -v s="$cp_med" 'BEGIN { print s * 1000 }')" "$max_startup_ratio"
for src in "${sources[@]}"; do
    if (( wf_rss[$src] < max_rss_kib )); then verdict=PASS; else verdict=FAIL; fi
    echo "- $verdict: $src wfpack peak RSS ${wf_rss[$src]} KiB (target under $max_rss_kib KiB)"
done
exit 0
