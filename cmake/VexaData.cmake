# The data files delivered with the program are kept as readable UTF-8 under data/
# and written into the Program Folder in CP932 with CR LF line ends, as the device
# tooling and the private-profile reader expect them.
find_program(VEXA_ICONV iconv REQUIRED)

set(VEXA_DATA_FILES vexacontrol.ini elmptnvxa.elm Release.txt UserGuide.html)
set(VEXA_DATA_OUTPUTS "")
foreach(name IN LISTS VEXA_DATA_FILES)
  set(src ${CMAKE_SOURCE_DIR}/data/${name})
  set(dst ${VEXA_PROGRAM_FOLDER}/${name})
  add_custom_command(
    OUTPUT ${dst}
    COMMAND ${CMAKE_COMMAND} -DICONV=${VEXA_ICONV} -DSRC=${src} -DDST=${dst}
            -P ${CMAKE_SOURCE_DIR}/cmake/ToCp932.cmake
    DEPENDS ${src} ${CMAKE_SOURCE_DIR}/cmake/ToCp932.cmake
    COMMENT "Writing ${name} in CP932")
  list(APPEND VEXA_DATA_OUTPUTS ${dst})
endforeach()
add_custom_target(vexa_data ALL DEPENDS ${VEXA_DATA_OUTPUTS})
