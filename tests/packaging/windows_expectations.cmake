# SPDX-License-Identifier: GPL-3.0-or-later
# What the Windows version record and manifest must say, as checks that read either the source
# (tavix.rc, tavix.manifest) or windres's dump of the compiled resources: the patterns allow the
# spacing of both. Needs expect.cmake.

# check_version_record(WHAT TEXT VERSION PRODUCT)
function(check_version_record what text version product)
  string(REPLACE "." ",[ ]*" numbers "${version}") # 1.0.0.0 -> 1,0,0,0 with optional spaces
  string(REPLACE "." "\\." quoted "${version}")
  set(patterns
    "FILEVERSION[ ]+${numbers}\n"
    "PRODUCTVERSION[ ]+${numbers}\n"
    "FILEOS[ ]+0x0*4[ \n]"      # VOS__WINDOWS32
    "FILETYPE[ ]+0x0*1[ \n]"    # VFT_APP
    "BLOCK \"040904E4\""        # US English, code page 1252
    "VALUE \"FileDescription\", \"${product}\""
    "VALUE \"ProductName\", \"${product}\""
    "VALUE \"FileVersion\", \"${quoted}\""
    "VALUE \"ProductVersion\", \"${quoted}\""
    "VALUE \"Translation\", 0x409, 1252")
  foreach(pattern IN LISTS patterns)
    expect_match("${what}" "${text}" "${pattern}")
  endforeach()
  # FILEFLAGS may be left out (windres omits zero) but must never mark a debug or pre-release build.
  expect_no_match("${what}" "${text}" "FILEFLAGS[ ]+0x0*[1-9a-fA-F]")
endfunction()

# check_manifest(WHAT TEXT VERSION PRODUCT)
function(check_manifest what text version product)
  string(REPLACE "." "\\." quoted "${version}")
  set(patterns
    "<assemblyIdentity type=\"win32\" name=\"[^\"]+\" version=\"${quoted}\""
    "<description>${product}</description>"
    "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>"
    "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2</dpiAwareness>"
    "name=\"Microsoft\\.Windows\\.Common-Controls\"[ \n]+version=\"6\\.0\\.0\\.0\""
    "<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"
    "<supportedOS Id=\"{e2011457-1546-43c5-a5fe-008deee3d3f0}\"/>"   # Vista
    "<supportedOS Id=\"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}\"/>"   # 7
    "<supportedOS Id=\"{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}\"/>"   # 8
    "<supportedOS Id=\"{1f676c76-80e1-4239-95bb-83d0f6d0da78}\"/>"   # 8.1
    "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>")  # 10
  foreach(pattern IN LISTS patterns)
    expect_match("${what}" "${text}" "${pattern}")
  endforeach()
endfunction()
