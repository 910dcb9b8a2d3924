# Runs the bank embedding step on a broken bank: it must fail and name every problem as
# path:line: message.
#   cmake -DEMBED=... -DBANK=... -DOUT=... -P expect_build_failure.cmake
execute_process(COMMAND ${EMBED} ${BANK} 16 ${OUT} BrokenBank RESULT_VARIABLE status ERROR_VARIABLE errors)
if(status EQUAL 0)
    message(FATAL_ERROR "a broken bank was embedded")
endif()
if(EXISTS ${OUT})
    message(FATAL_ERROR "a broken bank left generated source behind")
endif()
set(expected
    "${BANK}:8: correct answer 4 is not 1, 2 or 3"
    "${BANK}:8: question number \"3\" where 2 was expected"
    "${BANK}:8: question 2 has 2 of its options 1., 2., 3."
    "${BANK}:10: empty line"
    "${BANK}:13: 2 questions, fewer than the 238 that a group size of 16 needs")
foreach(line IN LISTS expected)
    string(FIND "${errors}" "${line}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "missing '${line}' in:\n${errors}")
    endif()
endforeach()
