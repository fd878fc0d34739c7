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
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$displayfile" &
pids+=($!)
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$displayfile")
rm -f "$displayfile"
openbox >/dev/null 2>&1 &
pids+=($!)
# Qt 6.4 registers only on a bus it finds itself, through the session bus.
/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
until gdbus call --session -d org.a11y.Bus -o /org/a11y/bus -m org.a11y.Bus.GetAddress \
      >/dev/null 2>&1; do sleep 0.1; done
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb /usr/bin/python3 "$checks" "$demo" "$@"
