# Every file that installing Tavix puts under its prefix, and nothing else.
set(TAVIX_INSTALLED_FILES
  bin/tavix
  share/applications/tavix.desktop
  share/metainfo/io.github.tavix.Tavix.metainfo.xml
  share/icons/hicolor/16x16/apps/tavix.png
  share/icons/hicolor/24x24/apps/tavix.png
  share/icons/hicolor/32x32/apps/tavix.png
  share/icons/hicolor/48x48/apps/tavix.png
  share/icons/hicolor/256x256/apps/tavix.png)
