#!/usr/bin/env bash
# Runs CHECKS (a pyatspi script) against DEMO in a private X server and D-Bus session, with the
# accessibility bus and registry that a screen reader on a desktop would use.
# Usage: run-atspi.sh DEMO CHECKS [DEMO-ARGUMENTS...]; CHECKS starts the demo itself.
set -euo pipefail
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -z "${XKR_ATSPI_SESSION:-}" ]; then
  exec env -u AT_SPI_BUS_ADDRESS XKR_ATSPI_SESSION=1 dbus-run-session -- "$0" "$@"
fi
demo=$1 checks=$2
shift 2
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
# Waits up to 30 s for a step to be done; a slow machine may take a while, a broken one ends here.
wait_for() {
  local what=$1
  shift
  for _ in $(seq 300); do "$@" && return; sleep 0.1; done
  echo "run-atspi.sh: $what did not start" >&2
  exit 1
}
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$displayfile" &
pids+=($!)
wait_for Xvfb test -s "$displayfile"
export DISPLAY=:$(cat "$displayfile")
# The window manager must manage the demo from its first window: without it, no window gets the
# keyboard back when a message box closes.
wmready=$displayfile.wm
openbox --startup "touch $wmready" >/dev/null 2>&1 &
pids+=($!)
wait_for openbox test -e "$wmready"
rm -f "$displayfile" "$wmready"
# Qt 6.4 registers only on a bus it finds itself, through the session bus.
/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
bus_up() {
  gdbus call --session -d org.a11y.Bus -o /org/a11y/bus -m org.a11y.Bus.GetAddress >/dev/null 2>&1
}
wait_for "the accessibility bus" bus_up
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb /usr/bin/python3 "$checks" "$demo" "$@"
