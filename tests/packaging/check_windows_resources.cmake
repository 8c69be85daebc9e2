# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles packaging/tavix.rc with MinGW's windres, as a Windows build would, and reads the compiled
# resources back (-J coff -O rc): the version record, the MAINICON group and the embedded manifest.
#   cmake -DWINDRES=... -DPREPROCESSOR=... -DPACKAGING_DIR=... -DICON_DIR=... -DWORK_DIR=...
#         -DVERSION=... -DPRODUCT=... -P check_windows_resources.cmake
include(${CMAKE_CURRENT_LIST_DIR}/expect.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/windows_expectations.cmake)

# A clean directory to run in: windres looks in the current directory before the -I ones.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
expect_run(ignored ${CMAKE_COMMAND} -E chdir ${WORK_DIR}
  ${WINDRES} --preprocessor=${PREPROCESSOR} -I${PACKAGING_DIR} -I${ICON_DIR}
  -i ${PACKAGING_DIR}/tavix.rc -o ${WORK_DIR}/tavix_rc.o)
expect_run(dump ${WINDRES} -J coff -O rc -i ${WORK_DIR}/tavix_rc.o)
file(WRITE ${WORK_DIR}/dump.rc "${dump}") # for a look when this test fails

check_version_record("compiled version record" "${dump}" "${VERSION}" "${PRODUCT}")

# The icon group: five 32-bit images, 16 to 48 pixels and 256 (written as 0), in that order.
# windres prints width and height as octal escapes; slashes stand in for backslashes here.
string(REPLACE "\\" "/" slashed "${dump}")
set(group_pattern "\"MAINICON\" 14 /\\* RT_GROUP_ICON \\*/\nBEGIN\n[ ]*0, 1, 5,[^\n]*\n[^\n]*\n")
foreach(octal IN ITEMS 020 030 040 060 000)
  string(APPEND group_pattern "[ ]*\"/${octal}/${octal}/000/000\", 1, 32, [^\n]*\n")
endforeach()
expect_match("MAINICON icon group" "${slashed}" "${group_pattern}")

# The manifest is resource type 24, id 1, printed as one quoted string per line. Put the lines back
# together: it must be tavix.manifest itself, byte for byte, and say what a manifest must say.
string(FIND "${dump}" "1 24 /* RT_MANIFEST */\nBEGIN\n" start)
if(start EQUAL -1)
  expect_fail("no manifest resource (type 24, id 1)")
else()
  string(SUBSTRING "${dump}" ${start} -1 rest)
  string(FIND "${rest}" "\nEND" stop)
  string(SUBSTRING "${rest}" 0 ${stop} block)
  # (Whole-text replacements, not a list of lines: the manifest's semicolons would split a list.)
  string(REGEX REPLACE "^1 24 [^\n]*\nBEGIN" "" block "${block}")
  string(REGEX REPLACE "\n  \"([^\n]*)\"" "\\1" manifest "${block}")
  string(REPLACE "\"\"" "\"" manifest "${manifest}")
  string(REPLACE "\\r" "\r" manifest "${manifest}")
  string(REPLACE "\\t" "\t" manifest "${manifest}")
  string(REPLACE "\\n" "\n" manifest "${manifest}")
  file(READ ${PACKAGING_DIR}/tavix.manifest source)
  if(NOT manifest STREQUAL source)
    file(WRITE ${WORK_DIR}/embedded.manifest "${manifest}")
    expect_fail("the embedded manifest differs from tavix.manifest (see ${WORK_DIR}/embedded.manifest)")
  endif()
  check_manifest("embedded manifest" "${manifest}" "${VERSION}" "${PRODUCT}")
endif()

expect_done()
