# Runs examtool once and compares its standard output, standard error and exit status with what
# a test expects:
#   cmake -DTOOL=examtool -DSTATUS=N [-DOUT=file | -DOUT_LINE=text | -DOUT_MATCHES=regex]
#         [-DERR_LINE=text] [-DOUTPUT_FILE=path] -P run_examtool.cmake -- ARGUMENTS...
# OUT is a file holding the whole expected output, OUT_LINE its one line, OUT_MATCHES a regular
# expression it must match. Without any of them nothing may be printed on standard output, so
# that an error never leaves part of a result behind; ERR_LINE is the one line expected on
# standard error, which must otherwise stay empty. OUTPUT_FILE sends standard output to a file.
# EMULATOR (a list: the program and its arguments) runs a cross-built tool, such as wine.

set(args)
set(collect FALSE)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE ${last})
    if(collect)
        list(APPEND args "${CMAKE_ARGV${i}}")
    elseif(CMAKE_ARGV${i} STREQUAL "--")
        set(collect TRUE)
    endif()
endforeach()

set(output_option OUTPUT_VARIABLE out)
if(DEFINED OUTPUT_FILE)
    set(output_option OUTPUT_FILE "${OUTPUT_FILE}")
    set(out "")
endif()
execute_process(COMMAND ${EMULATOR} "${TOOL}" ${args} RESULT_VARIABLE status ${output_option}
                ERROR_VARIABLE err)

set(failures "")
if(NOT "${status}" STREQUAL "${STATUS}")
    string(APPEND failures "exit status ${status}, expected ${STATUS}\n")
endif()

if(DEFINED OUT)
    file(READ "${OUT}" expected_out)
elseif(DEFINED OUT_LINE)
    set(expected_out "${OUT_LINE}\n")
elseif(NOT DEFINED OUT_MATCHES)
    set(expected_out "")
endif()
if(DEFINED OUT_MATCHES)
    if(NOT out MATCHES "${OUT_MATCHES}")
        string(APPEND failures "standard output does not match ${OUT_MATCHES}:\n${out}\n")
    endif()
elseif(NOT out STREQUAL expected_out)
    string(APPEND failures "standard output:\n${out}\nexpected:\n${expected_out}\n")
endif()

set(expected_err "")
if(DEFINED ERR_LINE)
    set(expected_err "examtool: ${ERR_LINE}\n")
endif()
if(NOT err STREQUAL expected_err)
    string(APPEND failures "standard error:\n${err}\nexpected:\n${expected_err}\n")
endif()

if(NOT failures STREQUAL "")
    list(JOIN args " " command)
    message(FATAL_ERROR "examtool ${command}\n${failures}")
endif()
