# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` into an empty DESTDIR puts every file in its freedesktop place, the icons at
# their own sizes, and nothing more.
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DPACKAGING_DIR=... -DICON_DIR=... -P check_install_tree.cmake
include(${CMAKE_CURRENT_LIST_DIR}/expect.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/installed_files.cmake)

set(root ${WORK_DIR}/root)
set(prefix /usr)
file(REMOVE_RECURSE ${WORK_DIR})
expect_run(ignored ${CMAKE_COMMAND} -E env DESTDIR=${root}
  ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE ${root}${prefix} ${root}/*)
list(SORT found)
set(expected bin/tavix ${TAVIX_INSTALLED_DATA_FILES})
list(SORT expected)
expect_equal("installed files" "${found}" "${expected}")

# Each file is the one it should be: a size put in the wrong folder is a real mistake to catch.
foreach(pair IN ITEMS
    "share/applications/tavix.desktop=${PACKAGING_DIR}/tavix.desktop"
    "share/man/man6/tavix.6=${PACKAGING_DIR}/tavix.6"
    "share/metainfo/io.github.tavix.tavix.metainfo.xml=${PACKAGING_DIR}/io.github.tavix.tavix.metainfo.xml"
    "share/icons/hicolor/16x16/apps/tavix.png=${ICON_DIR}/tavix-16.png"
    "share/icons/hicolor/24x24/apps/tavix.png=${ICON_DIR}/tavix-24.png"
    "share/icons/hicolor/32x32/apps/tavix.png=${ICON_DIR}/tavix-32.png"
    "share/icons/hicolor/48x48/apps/tavix.png=${ICON_DIR}/tavix-48.png"
    "share/icons/hicolor/256x256/apps/tavix.png=${ICON_DIR}/tavix-256.png")
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 installed)
  list(GET pair 1 source)
  if(EXISTS ${root}${prefix}/${installed})
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${root}${prefix}/${installed} ${source}
      RESULT_VARIABLE differ)
    if(differ)
      expect_fail("${installed} is not ${source}")
    endif()
  endif()
endforeach()

expect_done()
