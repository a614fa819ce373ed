#!/bin/sh
# Plays a speech file through a real PulseAudio server started here (null sink, own runtime folder), records the
# sink's monitor and checks that the recording is audible and about as long as the file.
# Usage: real_sound_test.sh PLAYER   (PLAYER: the vt-play-spw test utility)
PLAYER=$1
command -v pulseaudio >/dev/null 2>&1 && command -v parec >/dev/null 2>&1 && command -v sox >/dev/null 2>&1 ||
    { echo "pulseaudio, parec or sox not installed: skipped"; exit 77; }
set -u
D=$(mktemp -d)
PA=""; REC=""
cleanup() {
    [ -n "$REC" ] && kill -INT "$REC" 2>/dev/null
    [ -n "$PA" ] && kill "$PA" 2>/dev/null && wait "$PA" 2>/dev/null
    rm -rf "$D"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; [ -f "$D/pa.log" ] && tail -20 "$D/pa.log" >&2; exit 1; }

mkdir -p "$D/rt" "$D/home" && chmod 700 "$D/rt"
XDG_RUNTIME_DIR=$D/rt HOME=$D/home pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
    --disable-shm=yes --log-target=stderr --load="module-null-sink sink_name=nullsink" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$D/pulse.sock" >"$D/pa.log" 2>&1 &
PA=$!
export PULSE_SERVER=unix:$D/pulse.sock
i=0
until pactl info >/dev/null 2>&1; do
    i=$((i + 1)); [ $i -gt 200 ] && fail "sound server did not start"; sleep 0.05
done

# The file: a word rendered by espeak-ng, followed by a second copy played as a quick second request.
"$PLAYER" --render abandon "$D/abandon.spw" || fail "cannot render the speech file"
SIZE=$(stat -c %s "$D/abandon.spw")
# Whole blocks only are played (a final piece under 960 bytes is dropped).
SAMPLES=$(( (SIZE - 200) / 1920 * 1920 )); REST=$(( (SIZE - 200) % 1920 ))
[ $REST -ge 960 ] && SAMPLES=$((SAMPLES + REST))
EXPECT_MS=$((2 * SAMPLES * 1000 / 11000))
echo "file $SIZE bytes, expect $EXPECT_MS ms of sound for two plays"

# Records what PLAYER makes of the files given; prints the length of the sound in ms and RMS x 1e5.
record() {
    rm -f "$D/rec.raw"
    parec --latency-msec=20 -d nullsink.monitor --format=s16le --channels=1 --rate=11000 --raw >"$D/rec.raw" &
    REC=$!
    i=0
    until [ -s "$D/rec.raw" ]; do i=$((i + 1)); [ $i -gt 200 ] && fail "recorder got no data"; sleep 0.05; done
    QT_QPA_PLATFORM=offscreen timeout 60 "$PLAYER" "$@" >"$D/player.out" || fail "player failed ($?)"
    cat "$D/player.out" >&2
    sleep 0.3
    kill -INT "$REC"; wait "$REC" 2>/dev/null; REC=""
    # Trim leading and trailing silence, then measure what is left.
    sox -t raw -r 11000 -e signed -b 16 -c 1 "$D/rec.raw" "$D/trim.wav" \
        silence 1 0.005 0.5% reverse silence 1 0.005 0.5% reverse
    STAT=$(sox "$D/trim.wav" -n stat 2>&1)
    echo "$STAT" | grep -E "Length|RMS +amplitude" >&2
    LEN_MS=$(echo "$STAT" | awk '/^Length/ {printf "%d", $3 * 1000}')
    RMS=$(echo "$STAT" | awk '/^RMS +amplitude/ {printf "%d", $3 * 100000}')
    [ -n "$LEN_MS" ] && [ -n "$RMS" ] || fail "no measurement"
    [ "$RMS" -gt 500 ] || fail "recording is silent (RMS x1e5 = $RMS)"
    echo "$LEN_MS"
}
within() { # within VALUE LO HI WHAT
    [ "$1" -ge "$2" ] && [ "$1" -le "$3" ] || fail "$4: recorded $1 ms, expected $2..$3 ms"
}

LEN_MS=$(record "$D/abandon.spw" "$D/abandon.spw") || exit 1
# Speech has quiet stretches at both ends that the trim removes; the two plays must follow each other.
within "$LEN_MS" $((EXPECT_MS * 70 / 100)) $((EXPECT_MS * 115 / 100 + 200)) "two quick requests"
echo "two requests: $LEN_MS ms of sound for $EXPECT_MS ms of samples"

# A sound far shorter than the server's start threshold (1000 samples, 91 ms of a 440 Hz tone) is still heard.
head -c 200 /dev/zero >"$D/tone.spw"
sox -r 11000 -n -r 11000 -e unsigned -b 8 -c 1 -t raw - synth 1000s sine 440 vol 0.8 >>"$D/tone.spw"
LEN_MS=$(record "$D/tone.spw") || exit 1
within "$LEN_MS" 70 130 "short sound"
echo "short sound: $LEN_MS ms"
# Text-to-speech through the same device: SpeakText returns only once the speech has been heard.
LEN_MS=$(record --say "good*morning") || exit 1
RETURNED_MS=$(sed -n 's/.*returned after \([0-9]*\) ms.*/\1/p' "$D/player.out")
echo "speech: $LEN_MS ms of sound, SpeakText returned after $RETURNED_MS ms"
within "$LEN_MS" 400 3000 "spoken text"
[ "$RETURNED_MS" -ge $((LEN_MS * 8 / 10)) ] || fail "SpeakText returned after $RETURNED_MS ms, before the speech was heard"
echo PASS
