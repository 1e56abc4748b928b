#!/usr/bin/env bash
# Configures (again when its options change) and builds one more build of
# the project in a folder of its own, with its own options, only the targets
# named.
# Usage: scripts/sub_build.sh BUILD_DIR "CMAKE OPTIONS" TARGET...
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir=$1
options=$2
shift 2
# Configured again when the options changed since the last time.
stamp="$build_dir/options.txt"
if [ ! -f "$build_dir/CMakeCache.txt" ] || [ "$(cat "$stamp" 2>/dev/null)" != "$options" ]; then
  mkdir -p "$build_dir"
  # shellcheck disable=SC2086  # the options are separate words
  cmake -S "$root" -B "$build_dir" -G Ninja $options >"$build_dir/configure.log" 2>&1 \
    || { cat "$build_dir/configure.log"; exit 1; }
  echo "$options" >"$stamp"
fi
cmake --build "$build_dir" -j "$(nproc)" --target "$@"
