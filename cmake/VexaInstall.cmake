# What `cmake --install` puts under the prefix, and the Debian package made of it.
#
#   bin/                          vexa-editor, vexa
#   libexec/vexa/                 vexa-play, vexa-print, vexa-import (run by vexa)
#   share/vexa-editor/            read-only defaults a user's Program Folder is seeded from
#   share/doc/vexa-editor/        the user guide (UserGuide.html and its pictures), sample/,
#                                 copyright (GPL-3.0-or-later, machine-readable), changelog.gz
#                                 (a Control File with its WAVE files to try)
#   share/applications, metainfo, mime/packages, icons/hicolor, man/man1
include(GNUInstallDirs)

set(VEXA_APP_ID jp.chimewell.VexaEditor)
set(VEXA_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)

install(TARGETS vexa RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# vexa finds its helpers at ../libexec/vexa from its own folder (src/cli/HelperCommands.h).
get_property(VEXA_HELPERS GLOBAL PROPERTY VEXA_HELPERS)
install(TARGETS ${VEXA_HELPERS} RUNTIME DESTINATION libexec/vexa)
if(VEXA_BUILD_GUI)
  install(TARGETS vexa-editor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(FILES ${VEXA_PROGRAM_FOLDER}/vexacontrol.ini ${VEXA_PROGRAM_FOLDER}/elmptnvxa.elm
              ${VEXA_PROGRAM_FOLDER}/Release.txt
        DESTINATION ${CMAKE_INSTALL_DATADIR}/vexa-editor)
install(FILES ${VEXA_PROGRAM_FOLDER}/UserGuide.html DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vexa-editor)
install(DIRECTORY ${VEXA_PROGRAM_FOLDER}/guide DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vexa-editor OPTIONAL)
# A Control File with its WAVE files for a new user to try.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/sample/ DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vexa-editor/sample)

install(FILES ${VEXA_PACKAGING}/${VEXA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VEXA_PACKAGING}/${VEXA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${VEXA_PACKAGING}/${VEXA_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${VEXA_APP_ID}.xml)
install(FILES ${VEXA_PACKAGING}/icons/vexa-editor.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${VEXA_APP_ID}.svg)
foreach(size 32 48 64 128 256)
  install(FILES ${VEXA_PACKAGING}/icons/vexa-editor-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${VEXA_APP_ID}.png)
endforeach()

# The licence (GPL-3.0-or-later) as Debian reads it, and the change log.
install(FILES ${VEXA_PACKAGING}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vexa-editor)
configure_file(${VEXA_PACKAGING}/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
find_program(VEXA_GZIP gzip REQUIRED)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  COMMAND ${VEXA_GZIP} -9nkf ${CMAKE_BINARY_DIR}/packaging/changelog
  DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog ${VEXA_PACKAGING}/changelog.in
  COMMENT "Compressing the change log" VERBATIM)
add_custom_target(vexa_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vexa-editor)

# Man pages from the programs' own --help and --version.
find_program(VEXA_HELP2MAN help2man)
find_program(VEXA_GZIP gzip)
if(VEXA_HELP2MAN AND VEXA_GZIP)
  set(VEXA_MAN_PAGES "")
  set(man_targets vexa)
  set(man_vexa_name "command line of Vexa Editor: inspect, convert, check and write Control Files")
  set(man_vexa-editor_name "editor of the Control File and WAVE files of a Vexa announcement player")
  if(VEXA_BUILD_GUI)
    list(APPEND man_targets vexa-editor)
  endif()
  set(man_vexa_commands ON)
  set(man_vexa-editor_commands OFF)
  foreach(program IN LISTS man_targets)
    set(page ${CMAKE_BINARY_DIR}/man/${program}.1.gz)
    add_custom_command(
      OUTPUT ${page}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
      COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${program}> -DNAME=${man_${program}_name}
              -DOUTPUT=${CMAKE_BINARY_DIR}/man/${program}.1 -DHELP2MAN=${VEXA_HELP2MAN}
              -DSUBCOMMANDS=${man_${program}_commands}
              -DSAMPLE=${CMAKE_INSTALL_FULL_DATADIR}/doc/vexa-editor/sample
              -P ${CMAKE_SOURCE_DIR}/cmake/VexaManPage.cmake
      COMMAND ${VEXA_GZIP} -9nf ${CMAKE_BINARY_DIR}/man/${program}.1
      DEPENDS ${program} ${CMAKE_SOURCE_DIR}/cmake/VexaManPage.cmake
      COMMENT "Writing the man page of ${program}" VERBATIM)
    list(APPEND VEXA_MAN_PAGES ${page})
  endforeach()
  add_custom_target(vexa_man ALL DEPENDS ${VEXA_MAN_PAGES})
  install(FILES ${VEXA_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(STATUS "help2man or gzip not found: no man pages")
endif()

# The Debian package: scripts/package runs cpack on a Release build.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vexa-editor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Chimewell)
set(CPACK_PACKAGE_CONTACT "Vexa Editor developers <vexa-editor@chimewell.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Debian ships programs without their symbols (lintian: unstripped-binary-or-object).
set(CPACK_STRIP_FILES ON)
# Japanese text needs a CJK font; Qt's own dialogs speak Japanese with the translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, pulseaudio | pipewire-pulse")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vexa.chimewell.example/")
# The first line is the summary; CPack indents the rest and marks empty lines.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"editor of the card of a Vexa announcement player
Vexa Editor makes the flash card of a Vexa announcement player: the Control
File with up to eight programme sheets of timed lines, and the WAVE files it
names. It registers and checks WAVE files, edits and tests the sheets, converts
stereo files to mono, makes silent files, writes the card folder and prints.
The command vexa does the same checks and conversions from a terminal.

Vexa 放送機のカード（コントロールファイルと WAVE ファイル）を作成・編集する
エディタです。音声の登録と確認、シートの編集とテスト再生、モノラル変換、
無音ファイルの作成、カード用フォルダの作成と印刷ができます。")
include(CPack)
