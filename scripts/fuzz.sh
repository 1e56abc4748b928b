#!/usr/bin/env bash
# The fuzz targets of fuzz/ (clang's libFuzzer with ASan and UBSan), built in
# a folder of their own: $ORVIK_BUILD_DIR/fuzz (build/fuzz by default).
#
#   scripts/fuzz.sh TARGET SECONDS   fuzz one target for that long; new
#                                    inputs collect in build/fuzz/corpus/TARGET,
#                                    a crash lands in build/fuzz/artifacts/
#   scripts/fuzz.sh build            build every target
#   scripts/fuzz.sh check TARGET RUNS
#                                    what the tests run: every seed and every
#                                    regression input once, then RUNS fuzzing
#                                    runs from a fixed seed
#
# TARGET is evaluate_text, compiled_text, process_file, page_layout,
# formula_file or print_file. An input that broke a
# target goes into fuzz/regressions/TARGET once the fault is mended.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$(realpath -m "${ORVIK_BUILD_DIR:-$root/build}")/fuzz"

# The regression inputs include some large ones that once took quadratic
# time; each must still finish well within this many seconds.
readonly kInputTimeout=20
# The fuzzing runs themselves use small inputs.
readonly kMaxLen=4096

build() {
  "$root/scripts/sub_build.sh" "$build_dir" \
    "-DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVIK_FUZZ=ON" fuzz_targets
}

binary() {
  local target=$1
  [ -d "$root/fuzz/corpus/$target" ] || { echo "no fuzz target $target" >&2; exit 2; }
  echo "$build_dir/bin/fuzz_$target"
}

check() {
  local target=$1 runs=$2 program work
  program=$(binary "$target")
  work="$build_dir/check/$target"
  rm -rf "$work"
  mkdir -p "$work/corpus"
  shopt -s nullglob
  local inputs=("$root/fuzz/corpus/$target"/* "$root/fuzz/regressions/$target"/*)
  echo "== $target: ${#inputs[@]} seed and regression inputs"
  "$program" -timeout=$kInputTimeout -artifact_prefix="$work/" "${inputs[@]}"
  echo "== $target: $runs fuzzing runs"
  "$program" -runs="$runs" -seed=1 -max_len=$kMaxLen -timeout=$kInputTimeout \
    -artifact_prefix="$work/" -print_final_stats=1 "$work/corpus" "$root/fuzz/corpus/$target"
}

fuzz() {
  local target=$1 seconds=$2 program
  program=$(binary "$target")
  mkdir -p "$build_dir/corpus/$target" "$build_dir/artifacts"
  "$program" -max_total_time="$seconds" -max_len=$kMaxLen -timeout=$kInputTimeout \
    -artifact_prefix="$build_dir/artifacts/$target-" -print_final_stats=1 \
    "$build_dir/corpus/$target" "$root/fuzz/corpus/$target"
}

usage() {
  sed -n '2,/^[^#]/{/^#/p}' "$0"
  exit 2
}

case "${1:-}" in
  build) build ;;
  check) [ $# -eq 3 ] || usage; check "$2" "$3" ;;
  *) [ $# -eq 2 ] || usage; build; fuzz "$1" "$2" ;;
esac
