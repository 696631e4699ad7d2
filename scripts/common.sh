# Shared by the scripts: project root, build folders and a private runtime folder for Qt.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc 2>/dev/null || echo 2)"

private_runtime_dir() {
  if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -d "$XDG_RUNTIME_DIR" ]; then
    XDG_RUNTIME_DIR="$(mktemp -d)"
    chmod 700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR
  fi
}

# configure_and_build <build-dir> <build-type> [extra cmake args...]
configure_and_build() {
  local dir="$1" type="$2"
  shift 2
  local launcher=()
  # ccache, when present, lets the build types and checkouts share object files; paths
  # relative to the checkout make its hits independent of where the checkout lies.
  if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="$root"
    # Lets ccache reuse objects compiled against a precompiled header.
    export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
  fi
  cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" -DKESTREL_FAST_BUILD=ON "${launcher[@]}" "$@" >"$dir.configure.log" 2>&1 \
    || { cat "$dir.configure.log"; return 1; }
  cmake --build "$dir" -j "$jobs"
}
