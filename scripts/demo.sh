#!/usr/bin/env bash
# Builds and runs the demo host: the widget's, or with --qml the Qt Quick item's. Without a
# display it writes build/vendorpayto-demo.png (build/vendorpayto-qml-demo.png with --qml).
# Usage: demo.sh [--qml] [--language en|fr_CA|es] [--font-size POINTS] [--data FILE] [PATH]
set -euo pipefail
cd "$(dirname "$0")/.."
demo=vendorpayto-demo
if [ "${1:-}" = "--qml" ]; then
  demo=vendorpayto-qml-demo
  shift
fi
bash scripts/install-deps.sh
cmake --preset default
cmake --build --preset default --target "$demo" -j "$(nproc)"
"./build/bin/$demo" "$@"
