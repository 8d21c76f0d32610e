#!/usr/bin/env bash
# Builds coilspring (installing what is missing) and starts the calculator.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$top/build" --target coilspring coilspring-cli coilspring-cli-draw program_data
exec "$top/build/bin/coilspring"
