# cmake -DMARKDOWN=… -DSRC=guide.md -DDST=UserGuide.html -P GuideToHtml.cmake
# Wraps the guide's HTML body in a page of its own (UTF-8, Japanese).
file(READ "${SRC}" markdown)
if(MARKDOWN)
  execute_process(COMMAND "${MARKDOWN}" -x tables -x toc "${SRC}"
                  OUTPUT_VARIABLE body RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${SRC} cannot be turned into HTML")
  endif()
else()
  string(REPLACE "&" "&amp;" body "${markdown}")
  string(REPLACE "<" "&lt;" body "${body}")
  set(body "<pre>${body}</pre>")
endif()
set(page "<!DOCTYPE html>
<html lang=\"ja\">
<head>
<meta charset=\"UTF-8\">
<title>Vexa Editor ユーザーガイド</title>
<style>
body { font-family: sans-serif; max-width: 52em; margin: 2em auto; padding: 0 1em; line-height: 1.7; }
h1 { font-size: 1.7em; } h2 { font-size: 1.3em; border-bottom: 1px solid #999; margin-top: 2em; }
img { max-width: 100%; border: 1px solid #ccc; }
table { border-collapse: collapse; } td, th { border: 1px solid #bbb; padding: 0.2em 0.6em; }
code { background: #f2f2f2; padding: 0 0.2em; }
</style>
</head>
<body>
${body}
</body>
</html>
")
get_filename_component(dir "${DST}" DIRECTORY)
file(MAKE_DIRECTORY "${dir}")
file(WRITE "${DST}.tmp" "${page}")
file(RENAME "${DST}.tmp" "${DST}")
