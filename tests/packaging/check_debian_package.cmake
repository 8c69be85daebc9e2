# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/package builds tavix_<version>_<arch>.deb from debian/ with dpkg-buildpackage and prints
# its path last. The package has the right control fields, Debian's own names for the Qt libraries
# it needs, exactly the files a game should ship (the program in /usr/games, its manual page, the
# copyright with the embedded font's notice), a stripped and hardened executable that still carries
# its version note, compiler flags from dpkg-buildflags, and lintian finds no error or warning.
#   cmake -DPACKAGE_SCRIPT=... -DSOURCE_DIR=... -DPACKAGING_DIR=... -DREADELF=... -DPYTHON=...
#         -DHARDENING_TEST=... -DLINTIAN=... -DWORK_DIR=... -DVERSION=... -DPRODUCT=...
#         -P check_debian_package.cmake
include(${CMAKE_CURRENT_LIST_DIR}/expect.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/installed_files.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/version_note.cmake)

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(out ${WORK_DIR}/out)
expect_run(printed ${PACKAGE_SCRIPT} --output ${out})
string(STRIP "${printed}" printed)
string(REGEX REPLACE ".*\n" "" last_line "${printed}")
expect_run(arch dpkg --print-architecture)
string(STRIP "${arch}" arch)
set(deb ${out}/tavix_${VERSION}_${arch}.deb)
set(changes ${out}/tavix_${VERSION}_${arch}.changes)
expect_equal("last line of scripts/package" "${last_line}" "${deb}")
foreach(file IN ITEMS ${deb} ${changes})
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "scripts/package made no ${file}:\n${printed}")
  endif()
endforeach()

# Control fields, one dpkg-deb -f call each so that a field's value cannot bleed into another's.
# Built-Using names the source of the font built into the program, at the version built with.
expect_run(font_source dpkg-query -W "-f=\${source:Package} (= \${source:Version})" fonts-wine)
string(REGEX REPLACE "([.()+])" "\\\\\\1" font_source "${font_source}")
string(REPLACE "." "\\." quoted_version "${VERSION}")
foreach(pair IN ITEMS "Package=^tavix$" "Version=^${quoted_version}$" "Section=^games$"
    "Priority=^optional$" "Architecture=^${arch}$" "Maintainer=^[^<]+ <[^@>]+@[^>]+>$"
    "Description=\n .*${PRODUCT}" "Depends=(^|, )libqt6widgets6 " "Depends=(^|, )libqt6gui6 "
    "Depends=(^|, )libqt6core6 " "Recommends=^qt6-wayland$" "Built-Using=^${font_source}$")
  string(FIND "${pair}" "=" at)
  string(SUBSTRING "${pair}" 0 ${at} field)
  math(EXPR at "${at} + 1")
  string(SUBSTRING "${pair}" ${at} -1 pattern)
  expect_run(value dpkg-deb --field ${deb} ${field})
  string(STRIP "${value}" value)
  expect_match("control field ${field} (\"${value}\")" "${value}" "${pattern}")
endforeach()
# The font is built into the executable; the package must not pull it in.
expect_run(depends dpkg-deb --field ${deb} Depends)
expect_no_match("Depends" "${depends}" "fonts-")

# Exactly these files, and the program executable.
expect_run(listing dpkg-deb --contents ${deb})
string(REGEX MATCHALL "\n-[^\n]* \\./usr/[^\n]*" file_lines "\n${listing}")
set(found "")
foreach(line IN LISTS file_lines)
  string(REGEX REPLACE ".* \\./usr/" "" file "${line}")
  list(APPEND found ${file})
endforeach()
list(SORT found)
set(expected games/tavix share/doc/tavix/copyright share/doc/tavix/changelog.gz)
foreach(file IN LISTS TAVIX_INSTALLED_DATA_FILES)
  string(REGEX REPLACE "^(share/man/.*)$" "\\1.gz" file "${file}") # dh_compress packs manual pages
  list(APPEND expected ${file})
endforeach()
list(SORT expected)
expect_equal("package contents" "${found}" "${expected}")
expect_match("package contents" "${listing}" "\n-rwxr-xr-x root/root +[0-9]+ [^\n]* \\./usr/games/tavix\n")

set(root ${WORK_DIR}/root)
expect_run(ignored dpkg-deb --extract ${deb} ${root})
set(program ${root}/usr/games/tavix)
if(NOT EXISTS ${program})
  expect_fail("the package has no usr/games/tavix")
  expect_done() # the checks below all read it
endif()
check_version_note("packaged usr/games/tavix" "${READELF}" "${program}" "${VERSION}" "${PRODUCT}")
expect_run(sections ${READELF} --section-headers --wide ${program})
expect_no_match("packaged usr/games/tavix is stripped" "${sections}" " \\.debug_info ")
# The program calls no libc function that has a checked variant, so fortification shows only in the
# flags below; the binary shows the rest.
execute_process(COMMAND ${PYTHON} -B ${HARDENING_TEST} ${program} ${program} --no-fortify
  RESULT_VARIABLE rc OUTPUT_VARIABLE hardening ERROR_VARIABLE hardening)
if(NOT rc EQUAL 0)
  expect_fail("packaged usr/games/tavix is not hardened:\n${hardening}")
endif()

# Every compilation got Debian's flags: optimised (which fortification needs) and fortified. (AutoMoc
# also runs the compiler, for its predefined macros only; those lines write no object.)
file(STRINGS ${out}/build.log compile_lines REGEX "/usr/bin/c\\+\\+ .* -o [^ ]+\\.o -c ")
list(LENGTH compile_lines compilations)
if(compilations EQUAL 0)
  expect_fail("the build log (${out}/build.log) shows no compilation")
endif()
foreach(line IN LISTS compile_lines)
  foreach(flag IN ITEMS -O2 -D_FORTIFY_SOURCE=2 -fstack-protector-strong -ffile-prefix-map=)
    string(FIND "${line}" " ${flag}" at)
    if(at EQUAL -1)
      string(REGEX REPLACE ".* -c " "" what "${line}")
      expect_fail("${what} was compiled without ${flag}")
    endif()
  endforeach()
endforeach()

# The desktop entry starts a program that the package installs, found on Debian's default PATH.
file(STRINGS ${root}/usr/share/applications/tavix.desktop exec REGEX "^Exec=")
string(REGEX REPLACE "^Exec=([^ ]*).*" "\\1" command "${exec}")
set(started "")
foreach(dir IN ITEMS usr/local/bin usr/bin bin usr/local/games usr/games)
  if(NOT started AND EXISTS ${root}/${dir}/${command})
    set(started /${dir}/${command})
  endif()
endforeach()
if(command MATCHES "^/" AND EXISTS ${root}${command})
  set(started ${command})
endif()
expect_equal("the desktop entry's Exec=${command}" "${started}" "/usr/games/tavix")

# The copyright is debian/copyright and carries the notice of the font built into the program.
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${root}/usr/share/doc/tavix/copyright
  ${SOURCE_DIR}/debian/copyright RESULT_VARIABLE differ)
if(differ)
  expect_fail("usr/share/doc/tavix/copyright is not debian/copyright")
endif()
file(READ ${root}/usr/share/doc/tavix/copyright copyright)
foreach(pattern IN ITEMS "\nFiles: \\*\nCopyright: [^\n]+\nLicense: GPL-3\\+\n" "Tahoma" "Larry Snyder"
    "Wine project authors" "\nLicense: LGPL-2\\.1\\+\n" "/usr/share/common-licenses/GPL-3\"")
  expect_match("usr/share/doc/tavix/copyright" "${copyright}" "${pattern}")
endforeach()
execute_process(COMMAND gzip -dc ${root}/usr/share/man/man6/tavix.6.gz OUTPUT_VARIABLE manual)
file(READ ${PACKAGING_DIR}/tavix.6 manual_source)
if(NOT manual STREQUAL manual_source)
  expect_fail("usr/share/man/man6/tavix.6.gz unpacked is not the build's tavix.6")
endif()

# lintian, on the package and on the .changes: no error (E:) and no warning (W:); the other tags
# are kept in lintian.txt for a look.
execute_process(COMMAND ${LINTIAN} --info --pedantic --fail-on error,warning ${deb} ${changes}
  RESULT_VARIABLE rc OUTPUT_VARIABLE lintian ERROR_VARIABLE lintian_errors)
file(WRITE ${WORK_DIR}/lintian.txt "${lintian}")
string(REGEX MATCHALL "(^|\n)[EW]: [^\n]*" complaints "${lintian}")
if(complaints)
  string(REPLACE ";" "" complaints "${complaints}")
  expect_fail("lintian:${complaints}")
elseif(NOT rc EQUAL 0)
  expect_fail("lintian failed (${rc}): ${lintian_errors}")
endif()

expect_done()
