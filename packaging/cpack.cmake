# The Debian package, built with `cpack -G DEB` in the build tree. Included at the end of the
# top-level CMakeLists.txt, after every install rule exists.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavix)
# CPack would otherwise build its version from the first three parts of project()'s only.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tavix developers")
set(CPACK_PACKAGE_CONTACT "The Tavix developers <tavix@users.noreply.github.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/tavix/tavix")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION} - a lottery-ticket game")
set(CPACK_PACKAGE_DESCRIPTION
  "Open six hidden number cells and then one letter cell of a lottery ticket. Every number among the seven winning balls, and the letter if it is the winning one, lights up with its ball, and the win is the stake times what the matches earn.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY tavix)
set(CPACK_STRIP_FILES ON) # strip keeps the allocated .note.package, so the version note survives

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps turns the executable's libraries into Debian's own package names (libqt6widgets6
# and so on); Qt's xcb platform plugin ships in libqt6gui6, so nothing needs naming by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
