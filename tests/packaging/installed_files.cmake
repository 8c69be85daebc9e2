# SPDX-License-Identifier: GPL-3.0-or-later
# Every file that installing Tavix puts under its prefix, and nothing else, the program aside: it
# goes to bin/ by default and to games/ in the Debian package, as Debian places games.
set(TAVIX_INSTALLED_DATA_FILES
  share/applications/tavix.desktop
  share/metainfo/io.github.tavix.tavix.metainfo.xml
  share/icons/hicolor/16x16/apps/tavix.png
  share/icons/hicolor/24x24/apps/tavix.png
  share/icons/hicolor/32x32/apps/tavix.png
  share/icons/hicolor/48x48/apps/tavix.png
  share/icons/hicolor/256x256/apps/tavix.png
  share/man/man6/tavix.6)
