#!/usr/bin/env bash
# Builds and runs the demo host. Without a display it writes build/vendorpayto-demo.png.
# Usage: demo.sh [--language en|fr_CA|es] [--font-size POINTS] [--data FILE] [PATH]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default
cmake --build --preset default --target vendorpayto-demo -j "$(nproc)"
./build/bin/vendorpayto-demo "$@"
