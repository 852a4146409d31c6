# Strict warnings for the project's own targets (never for third-party headers).
# Warnings stop the build only where asked (scripts/build, CI): a user's or
# packager's build must not fail on a new compiler's new warning.
option(VEXA_WERROR "Treat warnings as errors" OFF)

function(vexa_strict_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wcast-align -Wimplicit-fallthrough)
  if(VEXA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
    # GCC 12 at -O3 takes `"text" + std::string&&` for a copy between
    # overlapping buffers (-Wrestrict, a false report fixed in GCC 13). It
    # stays a warning in the log there; every other warning stops the build.
    # Only -O3 (Release) shows it.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
      target_compile_options(${target} PRIVATE $<$<CONFIG:Release>:-Wno-error=restrict>)
    endif()
  endif()
endfunction()
