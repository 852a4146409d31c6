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
  endif()
endfunction()
