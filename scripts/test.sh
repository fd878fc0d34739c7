#!/usr/bin/env bash
# Builds everything and runs every test: the default build, the sanitizer build, the installed
# package, then the fuzzer. Each stage's output goes to a log in build-logs/; the console gets
# one line a stage, the test summaries and the fuzzer's stats, or the end of a failing log.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)
logs=build-logs
mkdir -p "$logs"

stage() {
  local name=$1 log="$logs/$2" status
  shift 2
  echo "== $name (log: $log)"
  # Outside a condition, so that a failing command inside a stage's function ends the stage.
  set +e
  (set -e; "$@") >"$log" 2>&1
  status=$?
  set -e
  if ((status != 0)); then
    echo "FAILED: $name; the end of $log:"
    tail -n 100 "$log"
    exit 1
  fi
}

# CTest prints a line a test; the console gets its summary.
test_stage() {
  stage "$@"
  grep -E '^[0-9]+% tests passed|^Total Test time|^[0-9]+ passed' "$logs/$2"
}

# One format across the tree: any C++ file that clang-format would change fails the command.
find src apps tests examples bench \( -name '*.cpp' -o -name '*.h' \) -print0 |
  xargs -0 clang-format --dry-run --Werror

stage "configure the default build" default-configure.log cmake --preset default
stage "build it" default-build.log cmake --build --preset default -j "$jobs"
test_stage "run its tests" default-tests.log ctest --preset default -j "$jobs"

stage "configure the sanitizer build" sanitize-configure.log cmake --preset sanitize
stage "build it" sanitize-build.log cmake --build --preset sanitize -j "$jobs"
test_stage "run its tests" sanitize-tests.log ctest --preset sanitize -j "$jobs"

# The installed package, as a host sees it: shared libraries and the QML module installed into a
# temporary prefix, a headless program built with pkg-config, the example hosts (widget,
# JavaScript and QML) built with find_package, and the Python module imported from the prefix by
# Debian's Python, which has PyQt6.
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
package_check() {
  cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_SHARED_LIBS=ON \
        -DBUILD_TESTING=OFF -DXKR_WITH_BENCHMARKS=OFF
  cmake --build build-package -j "$jobs" --target xkr_core xkr_qtcommon xkr_widgets xkr_quick xkr_quickplugin xkr_designer \
        xkrvendorpayto
  cmake --install build-package --prefix "$prefix"
  pkgconfig_dir=$(dirname "$(find "$prefix" -name XKRVendorPayToCore.pc)")
  # shellcheck disable=SC2046  # pkg-config prints several words on purpose
  g++ -o "$prefix/core-consumer" tests/embedding/package/CoreConsumer.cpp \
      $(PKG_CONFIG_PATH="$pkgconfig_dir" pkg-config --cflags --libs XKRVendorPayToCore)
  LD_LIBRARY_PATH="$pkgconfig_dir/.." "$prefix/core-consumer"
  for example in host jshost qmlhost; do
    cmake -S "examples/$example" -B "$prefix/build-$example" -G Ninja \
          -DCMAKE_PREFIX_PATH="$prefix"
    cmake --build "$prefix/build-$example" -j "$jobs"
  done
  ctest --test-dir "$prefix/build-host" --output-on-failure
  ctest --test-dir "$prefix/build-qmlhost" --output-on-failure
  # pytest's status 5 (no test collected) fails the stage like any other; the timeout ends a
  # modal message box that no handler answered.
  export PYTHONPATH="$prefix/lib/python3/dist-packages" QT_QPA_PLATFORM=offscreen
  timeout 300 /usr/bin/python3 -m pytest -p no:cacheprovider -q tests/python
  # The Python example host builds its window against the package and loads the sample.
  /usr/bin/python3 -c 'import sys; sys.path[:0] = ["examples/pyhost"]; import pyhost
app = pyhost.QApplication([]); window = pyhost.HostWindow(pyhost.SAMPLE)
sys.exit(window.pay_to.loadStatus() or window.pay_to.lastError() or 0)'
}
test_stage "install the package and build its example hosts" package.log package_check

# Fuzzing: a clang build of its own, run for about a minute on a scratch copy of the seed
# corpus, so the committed corpus stays small. A crash, sanitizer report, hang or broken rule
# fails the command; the input that did it is left in build-fuzz/. The fuzzer's progress goes to
# build-fuzz/fuzz.log; the log shows its final stats, or on a finding the input and the report.
stage "configure the fuzz build" fuzz-configure.log \
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++-14 -DXKR_FUZZ=ON -DXKR_WITH_BENCHMARKS=OFF
stage "build the fuzz target" fuzz-build.log cmake --build build-fuzz --target fuzz_vendorpayto -j "$jobs"
rm -rf build-fuzz/corpus-run build-fuzz/crash-* build-fuzz/leak-* build-fuzz/timeout-* \
       build-fuzz/oom-* build-fuzz/slow-unit-*
cp -r tests/fuzz/corpus build-fuzz/corpus-run
fuzz_log=build-fuzz/fuzz.log
echo "Fuzzing for 60 s; progress in $fuzz_log"
# Reports name functions, files and lines only with the symbolizer of the clang that built it.
if ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-14/bin/llvm-symbolizer UBSAN_OPTIONS=print_stacktrace=1 \
   build-fuzz/bin/fuzz_vendorpayto -max_total_time=60 -timeout=10 -max_len=4096 \
     -print_final_stats=1 -artifact_prefix=build-fuzz/ build-fuzz/corpus-run >"$fuzz_log" 2>&1
then
  grep -E '^(Done [0-9]+ runs|stat::)' "$fuzz_log"
  echo "Fuzzing passed; its log: $fuzz_log"
else
  echo "Fuzzing FAILED; its log: $fuzz_log"
  grep -o 'Test unit written to .*' "$fuzz_log" | sed 's/^Test unit written to /Reproducer: /' || true
  echo "Replay: build-fuzz/bin/fuzz_vendorpayto REPRODUCER"
  # The report is everything after the fuzzer's last progress or INFO line.
  awk '/^#[0-9]+\t[A-Z]/ || /^INFO: / { last = NR } { line[NR] = $0 }
       END { for (i = last + 1; i <= NR; ++i) print line[i] }' "$fuzz_log" | head -n 200
  exit 1
fi

