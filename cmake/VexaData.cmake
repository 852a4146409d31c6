# The data files delivered with the program are kept as readable UTF-8 under data/
# and written into the Program Folder in CP932 with CR LF line ends, as the device
# tooling and the private-profile reader expect them.
find_program(VEXA_ICONV iconv REQUIRED)

set(VEXA_DATA_FILES vexacontrol.ini elmptnvxa.elm Release.txt)
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

# The user guide: docs/guide-ja.md becomes UserGuide.html (UTF-8) beside the
# program, with its pictures in guide/. Markdown is turned into HTML by
# python3-markdown when it is installed, else shown as preformatted text.
find_program(VEXA_MARKDOWN markdown_py)
set(VEXA_GUIDE_SOURCE ${CMAKE_SOURCE_DIR}/docs/guide-ja.md)
file(GLOB VEXA_GUIDE_PICTURES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/guide/*.png)
set(VEXA_GUIDE_OUTPUTS ${VEXA_PROGRAM_FOLDER}/UserGuide.html)
add_custom_command(
  OUTPUT ${VEXA_PROGRAM_FOLDER}/UserGuide.html
  COMMAND ${CMAKE_COMMAND} -DMARKDOWN=${VEXA_MARKDOWN} -DSRC=${VEXA_GUIDE_SOURCE}
          -DDST=${VEXA_PROGRAM_FOLDER}/UserGuide.html -P ${CMAKE_SOURCE_DIR}/cmake/GuideToHtml.cmake
  DEPENDS ${VEXA_GUIDE_SOURCE} ${CMAKE_SOURCE_DIR}/cmake/GuideToHtml.cmake
  COMMENT "Writing the user guide")
foreach(picture IN LISTS VEXA_GUIDE_PICTURES)
  get_filename_component(name ${picture} NAME)
  add_custom_command(
    OUTPUT ${VEXA_PROGRAM_FOLDER}/guide/${name}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${picture} ${VEXA_PROGRAM_FOLDER}/guide/${name}
    DEPENDS ${picture})
  list(APPEND VEXA_GUIDE_OUTPUTS ${VEXA_PROGRAM_FOLDER}/guide/${name})
endforeach()
add_custom_target(vexa_guide ALL DEPENDS ${VEXA_GUIDE_OUTPUTS})
add_dependencies(vexa_data vexa_guide)
