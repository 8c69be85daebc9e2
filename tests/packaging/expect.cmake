# SPDX-License-Identifier: GPL-3.0-or-later
# Checks for the packaging test scripts (cmake -P). Each records a failure instead of stopping, so
# one run lists every file that is wrong; expect_done() then fails the test if any was recorded.

function(expect_fail message)
  set_property(GLOBAL APPEND_STRING PROPERTY TAVIX_EXPECT_FAILURES "\n  ${message}")
endfunction()

# expect_equal(WHAT ACTUAL EXPECTED)
function(expect_equal what actual expected)
  if(NOT "${actual}" STREQUAL "${expected}")
    expect_fail("${what}: got \"${actual}\", expected \"${expected}\"")
  endif()
endfunction()

# expect_match(WHAT TEXT REGEX): TEXT must contain a match of REGEX.
function(expect_match what text regex)
  if(NOT "${text}" MATCHES "${regex}")
    string(REPLACE "\n" "\\n" shown "${regex}")
    expect_fail("${what}: no match for ${shown}")
  endif()
endfunction()

# expect_no_match(WHAT TEXT REGEX)
function(expect_no_match what text regex)
  if("${text}" MATCHES "${regex}")
    string(REPLACE "\n" "\\n" shown "${regex}")
    expect_fail("${what}: unexpected match for ${shown}")
  endif()
endfunction()

# expect_run(OUTPUT_VARIABLE COMMAND...): runs a command that must succeed; its stdout and stderr
# go to OUTPUT_VARIABLE. A command that fails ends the script at once: what follows needs its output.
function(expect_run out)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE text ERROR_VARIABLE text)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "command failed (${rc}): ${ARGN}\n${text}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(expect_done)
  get_property(failures GLOBAL PROPERTY TAVIX_EXPECT_FAILURES)
  if(failures)
    message(FATAL_ERROR "packaging check failed:${failures}")
  endif()
  message(STATUS "all packaging checks passed")
endfunction()
