# Sourced by the build scripts after they set $root. When ccache is installed,
# every build goes through it, keyed on paths relative to the checkout, so a
# fresh clone (as CI makes) reuses what earlier builds on this machine compiled.
# Sets the array cache_args for the first cmake call of a build folder.
cache_args=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
  export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-10G}
  cache_args=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
