# Shared by ./run and ./test: install what is missing, then configure and build.
# Sourced, not executed.

ORVIK_PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev
  fonts-noto-cjk
  libx11-dev qt6-translations-l10n poppler-utils
  libedit-dev
  # The sweep's chart; Qt Charts' CMake files need those of Qt OpenGL.
  qt6-charts-dev libqt6opengl6-dev
  dpkg-dev file desktop-file-utils appstream shared-mime-info lintian
  clang libclang-rt-14-dev
)

orvik_missing_packages() {
  local pkg
  for pkg in "${ORVIK_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || echo "$pkg"
  done
}

orvik_install_packages() {
  local missing
  missing=$(orvik_missing_packages)
  [ -z "$missing" ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: $missing"
  $sudo apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}

orvik_build() {
  local build_dir="${ORVIK_BUILD_DIR:-build}"
  if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release
  fi
  cmake --build "$build_dir" -j "$(nproc)"
}
