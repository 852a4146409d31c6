# Writes the man page of a program from its --help and --version with help2man
# (cmake -P). For a program with subcommands, a section COMMANDS holds the
# --help of each command, so that every option of every command is documented;
# FILES names the installed sample. Japanese text gets break points after its
# punctuation, which groff does not find by itself ("can't break line"), and
# the page is set left-aligned.
#
#   cmake -DPROGRAM=… -DNAME=… -DOUTPUT=….1 -DHELP2MAN=… [-DSUBCOMMANDS=ON]
#         [-DSAMPLE=/usr/share/doc/…/sample] -P VexaManPage.cmake
set(include_file ${OUTPUT}.include)
set(include_text "")

function(roff_escape text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")  # a minus, not a hyphen: options copy as typed
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

if(SUBCOMMANDS)
  execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE top RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${PROGRAM} --help failed")
  endif()
  string(REGEX REPLACE ".*\nSubcommands:\n" "" listed "${top}")
  string(REGEX MATCHALL "(^|\n)  [a-z][a-z0-9-]*" names "${listed}")
  string(APPEND include_text "[COMMANDS]\n"
         "Each command takes the options shown with it; \\fB\\-\\-home\\fR is also taken before the command.\n")
  foreach(name IN LISTS names)
    string(STRIP "${name}" name)
    execute_process(COMMAND ${PROGRAM} ${name} --help OUTPUT_VARIABLE help RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "${PROGRAM} ${name} --help failed")
    endif()
    string(STRIP "${help}" help)
    roff_escape("${help}" help)
    string(APPEND include_text ".SS \"${name}\"\n.nf\n${help}\n.fi\n")
  endforeach()
endif()
if(SAMPLE)
  string(APPEND include_text "[FILES]\n.TP\n.I ${SAMPLE}/SAMPLE.vxa\n"
         "A small Control File with its WAVE files beside it, to try the programs on.\n")
endif()
file(WRITE ${include_file} "${include_text}")

execute_process(
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen
          ${HELP2MAN} --no-info --no-discard-stderr --locale=C.UTF-8 --name=${NAME} --include=${include_file}
          --output=${OUTPUT} ${PROGRAM}
  RESULT_VARIABLE failed)
file(REMOVE ${include_file})
if(failed)
  message(FATAL_ERROR "help2man failed for ${PROGRAM}")
endif()

file(READ ${OUTPUT} page)
foreach(mark "、" "。" "：")
  string(REPLACE "${mark}" "${mark}\\:" page "${page}")
endforeach()
# Left-aligned: a Japanese line has no blanks to stretch ("cannot adjust line").
string(REGEX REPLACE "(\n\\.TH [^\n]*\n)" "\\1.ad l\n" page "${page}")
file(WRITE ${OUTPUT} "${page}")
