# Runs the qslayout binary on good and bad dumps and checks exit status,
# stdout and stderr.  Usage: cmake -DQSLAYOUT=... -DWORK_DIR=... -P this file
cmake_minimum_required(VERSION 3.20)
file(MAKE_DIRECTORY ${WORK_DIR})

# Runs qslayout; sets rc, out (stdout in hex: CMake drops the CRs of text it
# reads) and err in the caller, and fails unless rc and err match.
function(expect_run expected_rc err_pattern)
    execute_process(COMMAND ${QSLAYOUT} ${ARGN} RESULT_VARIABLE result
        OUTPUT_FILE ${WORK_DIR}/stdout ERROR_VARIABLE errors)
    file(READ ${WORK_DIR}/stdout output HEX)
    if(NOT result EQUAL expected_rc OR NOT errors MATCHES "${err_pattern}")
        message(SEND_ERROR "qslayout ${ARGN}: exit ${result}, stderr '${errors}'")
    endif()
    set(out "${output}" PARENT_SCOPE)
endfunction()

# Bad input: exit 2, nothing on stdout and one line on stderr.
function(expect_rejected line_pattern)
    expect_run(2 "^qslayout: ${line_pattern}\n$" ${ARGN})
    if(NOT out STREQUAL "")
        message(SEND_ERROR "qslayout ${ARGN}: wrote to stdout: ${out}")
    endif()
endfunction()

set(header "\"format\": \"quillscape-capture/1\", \"mode\": \"K\"")
set(item "\"className\": \"Edit\", \"kind\": \"B\", \"shape\": \"L\"")
set(bad_rect ${WORK_DIR}/bad_rect.json)
file(WRITE ${bad_rect} "{${header}, \"items\": [{\"text\": \"a\", \"rect\": [0, 0, 2147483648, 14], ${item}}]}")
set(not_json ${WORK_DIR}/not_json.json)
file(WRITE ${not_json} "{${header}, \"items\": [}")
set(missing ${WORK_DIR}/does_not_exist.json)
file(REMOVE ${missing})

expect_rejected("${bad_rect}: items\\[0\\]\\.rect\\[2\\]: not a 32-bit integer" --utf8 --info ${bad_rect})
expect_rejected("${not_json}: not JSON: line 1, column [0-9]+: [^\n]+" ${not_json})
expect_rejected("${missing}: [^\n]+" ${missing})
expect_rejected("${WORK_DIR}: [^\n]+" ${WORK_DIR})
foreach(arguments "" "--help" "--bogus;${bad_rect}" "${bad_rect};${bad_rect}")
    expect_run(2 "^usage: qslayout" ${arguments})
    if(NOT out STREQUAL "")
        message(SEND_ERROR "qslayout ${arguments}: wrote to stdout: ${out}")
    endif()
endforeach()

# A good dump: Shift-JIS by default, UTF-8 on request, every line ended by
# CR LF in both.
set(good ${WORK_DIR}/good.json)
file(WRITE ${good} "{${header}, \"items\": [{\"text\": \"日本\", \"rect\": [0, 0, 100, 21], ${item}}]}")
set(sjis_hex "93fa967b")
string(HEX "日本" utf8_hex)
foreach(encoding sjis utf8)
    set(option "")
    if(encoding STREQUAL "utf8")
        set(option --utf8)
    endif()
    expect_run(0 "^$" ${option} ${good})
    string(REGEX REPLACE "(..)" " \\1" bytes "${out}")
    string(REPLACE " 0d 0a" "" without_crlf "${bytes}")
    if(NOT out MATCHES "${${encoding}_hex}" OR NOT out MATCHES "0d0a$" OR without_crlf MATCHES " 0[ad]")
        message(SEND_ERROR "qslayout ${option} good.json printed ${out}")
    endif()

    # --info: three lines ended by LF, the title in the same encoding.
    expect_run(0 "^$" --info ${option} ${good})
    string(HEX "title: " title_hex)
    string(HEX "\nOutputCols: " cols_hex)
    string(HEX "\nOutputRows: " rows_hex)
    if(NOT out MATCHES "^${title_hex}${${encoding}_hex}${cols_hex}(3[0-9])+${rows_hex}(3[0-9])+0a$")
        message(SEND_ERROR "qslayout --info ${option} good.json printed ${out}")
    endif()
endforeach()

# Characters that code page 932 lacks: kept by --utf8, and "?" or "？" in
# their cells in Shift-JIS, so that the columns stay where they were.
set(foreign ${WORK_DIR}/foreign.json)
set(foreign_text "Ça été 한 👍🏽 é")  # the last: e and a combining acute
file(WRITE ${foreign} "{${header}, \"items\": [{\"text\": \"${foreign_text}|\", \"rect\": [0, 0, 200, 21], ${item}}]}")
expect_run(0 "^$" --utf8 ${foreign})
string(HEX "${foreign_text}|" foreign_hex)
if(NOT out MATCHES "${foreign_hex}")
    message(SEND_ERROR "qslayout --utf8 foreign.json printed ${out}")
endif()
expect_run(0 "^$" ${foreign})
string(HEX "?a " replaced_hex)
string(APPEND replaced_hex "8148" "74" "8148" "20" "8148" "20" "8148" "20" "3f" "7c")  # ?a ？t？ ？ ？ ?|
if(NOT out MATCHES "${replaced_hex}")
    message(SEND_ERROR "qslayout foreign.json printed ${out}, not ${replaced_hex}")
endif()
