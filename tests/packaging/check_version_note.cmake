# SPDX-License-Identifier: GPL-3.0-or-later
# The built executable carries its version metadata where readelf shows it.
#   cmake -DREADELF=... -DEXECUTABLE_FILE=... -DVERSION=... -DPRODUCT=... -P check_version_note.cmake
include(${CMAKE_CURRENT_LIST_DIR}/expect.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/version_note.cmake)

check_version_note("${EXECUTABLE_FILE}" "${READELF}" "${EXECUTABLE_FILE}" "${VERSION}" "${PRODUCT}")
expect_done()
