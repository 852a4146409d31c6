# cmake -DICONV=… -DSRC=in.utf8 -DDST=out -P ToCp932.cmake
# Converts a UTF-8 text with LF line ends into CP932 with CR LF line ends, no BOM.
file(READ "${SRC}" text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
get_filename_component(dir "${DST}" DIRECTORY)
file(MAKE_DIRECTORY "${dir}")
file(WRITE "${DST}.utf8" "${text}")
execute_process(COMMAND "${ICONV}" -f UTF-8 -t CP932 "${DST}.utf8"
                OUTPUT_FILE "${DST}.tmp" RESULT_VARIABLE rc)
file(REMOVE "${DST}.utf8")
if(NOT rc EQUAL 0)
  file(REMOVE "${DST}.tmp")
  message(FATAL_ERROR "${SRC} cannot be written in CP932")
endif()
file(RENAME "${DST}.tmp" "${DST}")
