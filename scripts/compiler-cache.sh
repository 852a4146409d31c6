# Sourced by the build scripts after they set $root. When ccache is installed,
# every build goes through it, keyed on paths relative to the checkout, so a
# fresh clone (as CI makes) reuses what earlier builds on this machine compiled.
# Sets the array cache_args for the first cmake call of a build folder.
cache_args=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
  export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-10G}
  # The tests' precompiled headers are forced in with -include; ccache caches
  # such compiles only when told to accept them.
  export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
  cache_args=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
