# `cpack -G DEB` in the build tree makes tavix_<version>_<arch>.deb with the right control fields,
# Debian's own names for the Qt libraries it needs, every installed file, and a stripped executable
# that still carries its version note.
#   cmake -DCPACK=... -DREADELF=... -DBUILD_DIR=... -DWORK_DIR=... -DVERSION=... -DPRODUCT=...
#         -P check_debian_package.cmake
include(${CMAKE_CURRENT_LIST_DIR}/expect.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/installed_files.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/version_note.cmake)

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
# With the Makefile generator cpack first builds the "preinstall" target, that is the whole
# project, inside this test. Tests run after the build, so that step is skipped by naming a
# generator that has no preinstall target; the install and packaging steps are cpack's own.
expect_run(ignored ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}
  -D CPACK_CMAKE_GENERATOR=Ninja)
expect_run(arch dpkg --print-architecture)
string(STRIP "${arch}" arch)
set(deb ${WORK_DIR}/tavix_${VERSION}_${arch}.deb)
if(NOT EXISTS ${deb})
  message(FATAL_ERROR "cpack made no ${deb}")
endif()

# Control fields, one dpkg-deb -f call each so that a field's value cannot bleed into another's.
foreach(pair IN ITEMS "Package=^tavix$" "Version=^${VERSION}$" "Section=^games$" "Architecture=^${arch}$"
    "Maintainer=^[^<]+ <[^@>]+@[^>]+>$" "Description=^${PRODUCT} - "
    "Depends=(^|, )libqt6widgets6 " "Depends=(^|, )libqt6gui6 " "Depends=(^|, )libqt6core6 ")
  string(FIND "${pair}" "=" at)
  string(SUBSTRING "${pair}" 0 ${at} field)
  math(EXPR at "${at} + 1")
  string(SUBSTRING "${pair}" ${at} -1 pattern)
  expect_run(value dpkg-deb --field ${deb} ${field})
  string(STRIP "${value}" value)
  string(REPLACE "." "\\." pattern "${pattern}")
  expect_match("control field ${field} (\"${value}\")" "${value}" "${pattern}")
endforeach()
# The font is built into the executable; the package must not pull it in.
expect_run(depends dpkg-deb --field ${deb} Depends)
expect_no_match("Depends" "${depends}" "fonts-")

expect_run(listing dpkg-deb --contents ${deb})
foreach(file IN LISTS TAVIX_INSTALLED_FILES)
  string(REPLACE "." "\\." pattern "${file}")
  expect_match("package contents" "${listing}" "\n-[rwx-]+ root/root +[0-9]+ [^\n]* \\./usr/${pattern}\n")
endforeach()
expect_match("package contents" "${listing}" "\n-rwxr-xr-x root/root +[0-9]+ [^\n]* \\./usr/bin/tavix\n")

expect_run(ignored dpkg-deb --extract ${deb} ${WORK_DIR}/root)
check_version_note("packaged usr/bin/tavix" "${READELF}" "${WORK_DIR}/root/usr/bin/tavix" "${VERSION}" "${PRODUCT}")
expect_run(sections ${READELF} --section-headers --wide ${WORK_DIR}/root/usr/bin/tavix)
expect_no_match("packaged usr/bin/tavix is stripped" "${sections}" " \\.debug_info ")

expect_done()
