# SPDX-License-Identifier: GPL-3.0-or-later
# check_version_note(WHAT READELF FILE VERSION PRODUCT): FILE carries the ELF package note
# (owner FDO, type 0xcafe1a7e) whose JSON names the package, its version and the product.
# Needs expect.cmake.
function(check_version_note what readelf file version product)
  expect_run(notes ${readelf} --notes --wide ${file})
  if(NOT notes MATCHES "Displaying notes found in: \\.note\\.package\n[^\n]*\n  FDO[ ]+0x[0-9a-f]+[ \t]+FDO_PACKAGING_METADATA[ \t\n]+Packaging Metadata: ([^\n]*)\n")
    expect_fail("${what}: no FDO packaging-metadata note in .note.package")
    return()
  endif()
  set(json "${CMAKE_MATCH_1}")
  foreach(pair IN ITEMS "name=tavix" "version=${version}" "productName=${product}" "description=${product}")
    string(REPLACE "=" ";" pair "${pair}")
    list(GET pair 0 key)
    list(GET pair 1 expected)
    string(JSON actual ERROR_VARIABLE error GET "${json}" ${key})
    if(error)
      expect_fail("${what}: note JSON ${json}: ${error}")
    else()
      expect_equal("${what}: note ${key}" "${actual}" "${expected}")
    endif()
  endforeach()
endfunction()
