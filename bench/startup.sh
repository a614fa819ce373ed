#!/bin/bash
# Start-up benchmark of the GUI program: launches it under a private Xvfb with a fresh base folder and profile,
# lets it quit once its window is mapped and the first word group is painted, and reports whole-process wall
# time, the time the program itself prints ("first-paint-ms N") and peak memory (maximum resident set).
#
# usage: bench/startup.sh [PROGRAM] [RUNS]     PROGRAM defaults to build/app/verbatrove, RUNS to 5
# A first run (warm-up, not counted) fills the file cache. Targets: median wall time under 0.25 s, peak memory
# under 100 MB; exit status 3 when one is missed, 1 when a run fails, 2 when the setup is missing.
# Environment: VT_STARTUP_TIMEOUT (seconds per run, default 30).
set -u

PROGRAM=${1:-build/app/verbatrove}
RUNS=${2:-5}
TIMEOUT=${VT_STARTUP_TIMEOUT:-30}
TARGET_MS=250
TARGET_MB=100

if [ ! -x "$PROGRAM" ]; then
    echo "startup: no program at $PROGRAM (build the verbatrove target first)" >&2
    exit 2
fi
for tool in Xvfb /usr/bin/time timeout; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "startup: $tool is missing (scripts/deps installs it)" >&2
        exit 2
    fi
done

WORK=$(mktemp -d "${TMPDIR:-/tmp}/vt-startup.XXXXXX")
XVFB_PID=""
cleanup() {
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
    fi
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A display number of our own: the first free one from a per-process start, so parallel runs do not meet.
DISPLAY_NO=""
for offset in $(seq 0 99); do
    n=$((200 + ($$ + offset) % 300))
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        DISPLAY_NO=$n
        break
    fi
done
if [ -z "$DISPLAY_NO" ]; then
    echo "startup: no free display number" >&2
    exit 2
fi
Xvfb ":$DISPLAY_NO" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
for _ in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X$DISPLAY_NO" ] && break
    if ! kill -0 "$XVFB_PID" 2>/dev/null; then
        echo "startup: Xvfb did not start:" >&2
        cat "$WORK/xvfb.log" >&2
        exit 2
    fi
    sleep 0.05
done
if [ ! -e "/tmp/.X11-unix/X$DISPLAY_NO" ]; then
    echo "startup: Xvfb :$DISPLAY_NO is not answering" >&2
    exit 2
fi

# One run: prints "wall_ms first_paint_ms peak_kb", or fails with the program's output.
run_once() {
    local dir="$WORK/run$1"
    mkdir -p "$dir/home" "$dir/rt" "$dir/base"
    chmod 700 "$dir/rt"
    local start end status
    start=$(date +%s%N)
    env -u XDG_CONFIG_HOME -u PULSE_SERVER \
        DISPLAY=":$DISPLAY_NO" QT_QPA_PLATFORM=xcb HOME="$dir/home" XDG_RUNTIME_DIR="$dir/rt" \
        VERBATROVE_BASE="$dir/base/" VERBATROVE_PROFILE="$dir/profile.ini" VERBATROVE_EXIT_AFTER_FIRST_WORD=1 \
        timeout "$TIMEOUT" /usr/bin/time -f %M -o "$dir/rss" "$PROGRAM" >"$dir/out" 2>"$dir/err" </dev/null
    status=$?
    end=$(date +%s%N)
    local first
    first=$(sed -n 's/^first-paint-ms \([0-9][0-9]*\).*/\1/p' "$dir/out" | head -n 1)
    if [ "$status" -ne 0 ] || [ -z "$first" ]; then
        echo "startup: run $1 failed (exit status $status$([ "$status" -eq 124 ] && echo ', timed out'))" >&2
        echo "--- standard output" >&2
        tail -n 20 "$dir/out" >&2
        echo "--- standard error" >&2
        tail -n 20 "$dir/err" >&2
        return 1
    fi
    local rss
    rss=$(grep -E '^[0-9]+$' "$dir/rss" | tail -n 1)
    echo "$(((end - start) / 1000000)) $first ${rss:-0}"
}

median() { sort -n | awk '{v[NR] = $1} END {if (NR % 2) print v[(NR + 1) / 2]; else print int((v[NR / 2] + v[NR / 2 + 1]) / 2)}'; }
maximum() { sort -n | tail -n 1; }

echo "startup: $PROGRAM on Xvfb :$DISPLAY_NO, $RUNS runs after one warm-up"
run_once 0 >/dev/null || exit 1
: >"$WORK/results"
for i in $(seq 1 "$RUNS"); do
    line=$(run_once "$i") || exit 1
    echo "$line" >>"$WORK/results"
    set -- $line
    printf 'run %d: wall %4d ms   first-paint %4d ms   peak %6.1f MB\n' "$i" "$1" "$2" "$(echo "$3" | awk '{print $1 / 1024}')"
done

wall_med=$(cut -d' ' -f1 "$WORK/results" | median)
wall_max=$(cut -d' ' -f1 "$WORK/results" | maximum)
paint_med=$(cut -d' ' -f2 "$WORK/results" | median)
paint_max=$(cut -d' ' -f2 "$WORK/results" | maximum)
rss_med=$(cut -d' ' -f3 "$WORK/results" | median)
rss_max=$(cut -d' ' -f3 "$WORK/results" | maximum)
mb() { awk -v k="$1" 'BEGIN {printf "%.1f", k / 1024}'; }

echo "wall time     median $wall_med ms, max $wall_max ms (target < $TARGET_MS ms)"
echo "first paint   median $paint_med ms, max $paint_max ms"
echo "peak memory   median $(mb "$rss_med") MB, max $(mb "$rss_max") MB (target < $TARGET_MB MB)"
verdict=0
if [ "$wall_med" -ge "$TARGET_MS" ]; then
    echo "startup: median wall time is over the target"
    verdict=1
fi
if [ "$((rss_max / 1024))" -ge "$TARGET_MB" ]; then
    echo "startup: peak memory is over the target"
    verdict=1
fi
if [ "$verdict" -eq 0 ]; then
    echo "startup: within both targets"
    exit 0
fi
exit 3
