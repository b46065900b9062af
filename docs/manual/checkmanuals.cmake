# Checks the six help documents: present, a PDF, and titled in their own language.
# cmake -DMANUAL_DIR=<dir> [-DPDFINFO=<pdfinfo>] -P checkmanuals.cmake

set(expected
    "kovolo13_d.pdf|Kovolo – Handbuch"
    "kovolo13_e.pdf|Kovolo – User Manual"
    "kovolo13_sp.pdf|Kovolo – Manual del usuario"
    "kovolo13_f.pdf|Kovolo – Manuel d'utilisation"
    "kovolo13_i.pdf|Kovolo – Manuale d'uso"
    "kovolo13_cz.pdf|Kovolo – Uživatelská příručka")

set(failures 0)
foreach(entry IN LISTS expected)
  string(REPLACE "|" ";" entry "${entry}")
  list(GET entry 0 file)
  list(GET entry 1 title)
  set(path "${MANUAL_DIR}/${file}")
  if(NOT EXISTS "${path}")
    message(SEND_ERROR "${file}: missing in ${MANUAL_DIR}")
    math(EXPR failures "${failures} + 1")
    continue()
  endif()
  file(READ "${path}" head LIMIT 8)
  string(SUBSTRING "${head}" 0 5 head)
  if(NOT head STREQUAL "%PDF-")
    message(SEND_ERROR "${file}: not a PDF")
    math(EXPR failures "${failures} + 1")
    continue()
  endif()
  if(PDFINFO)
    execute_process(COMMAND "${PDFINFO}" "${path}" OUTPUT_VARIABLE info RESULT_VARIABLE rc
                    ENCODING UTF-8)
    string(REGEX MATCH "Title: +([^\n]*)" _ "${info}")
    set(found "${CMAKE_MATCH_1}")
    string(REGEX MATCH "Pages: +([0-9]+)" _ "${info}")
    set(pages "${CMAKE_MATCH_1}")
    if(NOT rc EQUAL 0)
      message(SEND_ERROR "${file}: pdfinfo cannot open it")
      math(EXPR failures "${failures} + 1")
    elseif(NOT found STREQUAL title)
      message(SEND_ERROR "${file}: title '${found}', expected '${title}'")
      math(EXPR failures "${failures} + 1")
    elseif(pages LESS 3)
      message(SEND_ERROR "${file}: only ${pages} pages")
      math(EXPR failures "${failures} + 1")
    else()
      message(STATUS "${file}: ${pages} pages, '${found}'")
    endif()
  endif()
endforeach()
if(failures GREATER 0)
  message(FATAL_ERROR "${failures} help document(s) failed the check")
endif()
