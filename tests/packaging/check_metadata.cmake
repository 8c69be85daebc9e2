# SPDX-License-Identifier: GPL-3.0-or-later
# The packaging files are written by hand; this checks that they agree with each other and with
# project(): the same name, version, release date, licence, executable and icon everywhere.
#   cmake -DPACKAGING_DIR=... -DDEBIAN_DIR=... -DVERSION=... -DPRODUCT=... -DEXECUTABLE=...
#         -P check_metadata.cmake
include(${CMAKE_CURRENT_LIST_DIR}/expect.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/windows_expectations.cmake)

set(appstream_id io.github.tavix.tavix) # software centres know the game by it: once released, it stays
set(desktop_file tavix.desktop)

# The desktop entry, one variable per key of its [Desktop Entry] group.
file(STRINGS ${PACKAGING_DIR}/${desktop_file} lines)
set(group "")
foreach(line IN LISTS lines)
  if(line MATCHES "^\\[(.*)\\]$")
    set(group "${CMAKE_MATCH_1}")
  elseif(group STREQUAL "Desktop Entry" AND line MATCHES "^([A-Za-z]+)=(.*)$")
    set(desktop_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
  endif()
endforeach()
expect_equal("desktop Type" "${desktop_Type}" "Application")
expect_equal("desktop Name" "${desktop_Name}" "${PRODUCT}")
expect_equal("desktop Exec" "${desktop_Exec}" "${EXECUTABLE}")
expect_equal("desktop Icon (the installed tavix.png)" "${desktop_Icon}" "tavix")
expect_match("desktop Categories" "${desktop_Categories}" "(^|;)Game;")
# The window says "Tavix": a search for that name must find the entry called "Ormek".
expect_match("desktop Keywords" "${desktop_Keywords}" "(^|;)Tavix;")

# The AppStream metainfo. (Regular expressions suffice: appstreamcli checks the XML itself.)
set(metainfo_file ${appstream_id}.metainfo.xml)
file(READ ${PACKAGING_DIR}/${metainfo_file} metainfo)
string(REPLACE "." "\\." quoted_version "${VERSION}")
foreach(check IN ITEMS
    "id|<id>${appstream_id}</id>"
    "name|<component[^>]*>.*<name>${PRODUCT}</name>"
    "launchable|<launchable type=\"desktop-id\">${desktop_file}</launchable>"
    "binary|<binary>${EXECUTABLE}</binary>"
    "newest release|<releases>[ \n]*<release version=\"${quoted_version}\""
    "content rating|<content_rating type=\"oars-1\\.1\">[ \n]*<content_attribute id=\"money-gambling\">mild</content_attribute>[ \n]*</content_rating>"
    "licence|<project_license>GPL-3\\.0-or-later</project_license>"
    "homepage|<url type=\"homepage\">https://github\\.com/tavix/tavix</url>"
    "screenshot|<image>https://[^<]*/docs/screenshot\\.png</image>")
  string(REPLACE "|" ";" check "${check}")
  list(GET check 0 what)
  list(GET check 1 pattern)
  expect_match("metainfo ${what}" "${metainfo}" "${pattern}")
endforeach()

# The release: the metainfo's newest, the Debian changelog's and the manual page's are one, on the
# same day.
if(metainfo MATCHES "<releases>[ \n]*<release version=\"[^\"]*\" date=\"([0-9-]+)\"")
  set(release_date ${CMAKE_MATCH_1})
else()
  expect_fail("metainfo: the newest release has no date")
endif()
expect_run(changelog_version dpkg-parsechangelog -l ${DEBIAN_DIR}/changelog -S Version)
string(STRIP "${changelog_version}" changelog_version)
expect_equal("debian/changelog's newest version" "${changelog_version}" "${VERSION}")
expect_run(changelog_date dpkg-parsechangelog -l ${DEBIAN_DIR}/changelog -S Date)
string(STRIP "${changelog_date}" changelog_date)
expect_run(changelog_day date -u -d "${changelog_date}" +%F)
string(STRIP "${changelog_day}" changelog_day)
expect_equal("debian/changelog's newest date" "${changelog_day}" "${release_date}")
file(STRINGS ${PACKAGING_DIR}/tavix.6 title REGEX "^\\.TH ")
expect_equal("tavix.6 title line" "${title}" ".TH TAVIX 6 ${release_date} \"Tavix ${VERSION}\" \"Games\"")
file(READ ${DEBIAN_DIR}/control control)
expect_match("debian/control" "${control}" "\nHomepage: https://github\\.com/tavix/tavix\n")

# The Windows files say the same.
file(READ ${PACKAGING_DIR}/tavix.rc rc)
check_version_record("tavix.rc" "${rc}" "${VERSION}" "${PRODUCT}")
expect_match("tavix.rc" "${rc}" "\nMAINICON ICON \"tavix\\.ico\"\n")
expect_match("tavix.rc" "${rc}" "\n1 24 \"tavix\\.manifest\"\n")
file(READ ${PACKAGING_DIR}/tavix.manifest manifest)
check_manifest("tavix.manifest" "${manifest}" "${VERSION}" "${PRODUCT}")

expect_done()
