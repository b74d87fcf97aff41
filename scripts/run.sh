#!/usr/bin/env bash
# Builds the module (no sanitizers) and opens it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

BUILD=${BUILD_DIR:-build}
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVN_SANITIZE=OFF -DVN_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD" -j "$(nproc)" --target rq4024s simswitch

# Everything a host would give the module lives in one temporary folder:
# its registry file, the per-device settings file and the module's own
# boot counter.
ROOT=$(pwd)
MODULE="$ROOT/$BUILD/mainwindow/rq4024s"
SWITCH="$ROOT/$BUILD/tools/simswitch/simswitch"
WORK=$(mktemp -d /tmp/rq4024s-run-XXXXXX)
SWITCH_PID=""
cleanup() {
  if [[ -n "$SWITCH_PID" ]]; then
    kill "$SWITCH_PID" 2>/dev/null || true
    wait "$SWITCH_PID" 2>/dev/null || true
  fi
  rm -rf "$WORK"
}
trap cleanup EXIT

# The demo's data: default.sim, then the files of demo.list (the list the
# all-commands test loads too), ending with the demo stack of three units,
# an RQ-6026S with an RM-210C module third.
DATA=tools/simswitch/data
DATA_FILES=("$DATA/default.sim")
while read -r name; do
  name=${name%%#*}
  name=${name//[[:space:]]/}
  [[ -n "$name" ]] && DATA_FILES+=("$DATA/$name")
done <"$DATA/demo.list"
"$SWITCH" --port 0 "${DATA_FILES[@]}" </dev/null >"$WORK/switch.out" 2>&1 &
SWITCH_PID=$!
PORT=""
for _ in $(seq 100); do
  PORT=$(sed -n 's/^port \([0-9]*\)$/\1/p' "$WORK/switch.out")
  [[ -n "$PORT" ]] && break
  kill -0 "$SWITCH_PID" 2>/dev/null || break
  sleep 0.1
done
if [[ -z "$PORT" ]]; then
  echo "the simulated switch did not start:" >&2
  cat "$WORK/switch.out" >&2
  exit 1
fi
echo "simulated switch on 127.0.0.1:$PORT"

mkdir -p "$WORK/module" "$WORK/conf"
# The editors read their button glyphs from the current folder.
cp resources/glyphs/*.bmp "$WORK/"
cat > "$WORK/registry.ini" <<INI
[SOFTWARE\\Varonet\\Modules\\HelpPath]
1.3.6.1.4.1.88406.10.59.5=$WORK/module/rq4024s.help
[SOFTWARE\\Varonet\\Orvix5.1\\MibFile]
Path=$WORK/conf/
INI
cat > "$WORK/conf/127.0.0.1.cfg" <<CFG
[Program Information]
AgentPort=$PORT
Version=1
ContextName=
ContextEngineID=
SecurityModel=0
SecurityLevel=0
SecurityName=
AuthProtocol=0
PrivProtocol=0
AuthPassword=
PrivPassword=
CFG
export VN_REGISTRY_FILE="$WORK/registry.ini"
ARGS=(/I127.0.0.1 /Rqorvel /Wtamisko)

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  (cd "$WORK" && "$MODULE" "${ARGS[@]}")
  exit 0
fi

# No display: run under Xvfb, let the LEDs come up, keep a picture of the
# screen cut to the window, and close the module.
SHOT=${SCREENSHOT:-$ROOT/$BUILD/rq4024s-screenshot.png}
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  cd "$1"; shift
  shot=$1; shift
  "$@" &
  module=$!
  sleep 5
  import -window root "$shot.raw.png"
  kill "$module" 2>/dev/null || true
  wait "$module" 2>/dev/null || true
' run "$WORK" "$SHOT" "$MODULE" "${ARGS[@]}"
convert "$SHOT.raw.png" -trim +repage "$SHOT"
rm -f "$SHOT.raw.png"
echo "no display: screenshot of the main window saved to $SHOT"
