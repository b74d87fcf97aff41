#!/usr/bin/env bash
# Builds the module (no sanitizers) and opens it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

BUILD=${BUILD_DIR:-build}
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVN_SANITIZE=OFF -DVN_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD" -j "$(nproc)" --target rq4024s simswitch

# Everything a host would give the module lives in one temporary folder:
# its registry file, the per-device settings file, the stack's data and
# the module's own boot counter.
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

# A third unit for the default stack: an RQ-6026S carrying an RM-210C.
UNIT=1.3.6.1.4.1.88406.12.11.1.9.4.1
cat > "$WORK/stack.sim" <<SIM
$UNIT.2.3 INTEGER 1
$UNIT.4.3 INTEGER 129
$UNIT.5.3 INTEGER 26
$UNIT.6.3 OCTETSTR 030103000303030303030303030383830303030300000303030304040303030383830303030303038383030303030000030303030302030203000300
$UNIT.10.3 STRING "RQ-6026S"
1.3.6.1.4.1.88406.11.59.5.2.1.1.3.1.3.3 STRING "RM210C"
SIM

"$SWITCH" --port 0 tools/simswitch/data/default.sim tools/simswitch/data/commands-device.sim \
  tools/simswitch/data/dialogs-vlan.sim "$WORK/stack.sim" </dev/null >"$WORK/switch.out" 2>&1 &
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
