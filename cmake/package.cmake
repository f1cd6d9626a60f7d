# The Debian package of the Linux program and the documents it carries.
# tools/build-package makes it from a stripped Release build: `cpack -G DEB`
# in that build's folder. Included by app/qt, after the program's install rules.
set(VCLOCK_PACKAGE_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The author's address and web page, the ones the notice's buttons open.
set(VCLOCK_CONTACT "${VCLOCK_VENDOR} <clock@vordane.example>")
set(VCLOCK_HOMEPAGE "https://vordane.example/clock")
set(VCLOCK_SUMMARY "Picture clock with an alarm: a waterfall that tells the time")
set(VCLOCK_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/vordane-clock)

# The long description, in paragraphs: the package's, and as XML paragraphs
# for the software-centre metadata (app/qt/desktop).
set(VCLOCK_DESCRIPTION_FILE ${VCLOCK_PACKAGE_DIR}/description.txt)
file(READ ${VCLOCK_DESCRIPTION_FILE} description)
string(STRIP "${description}" description)
string(REPLACE "&" "&amp;" description "${description}")
string(REPLACE "<" "&lt;" description "${description}")
string(REPLACE ">" "&gt;" description "${description}")
string(REPLACE "\n\n" "</p>\n    <p>" description "${description}")
string(REGEX REPLACE "\n([^ ])" "\n      \\1" description "${description}")
set(VCLOCK_DESCRIPTION_XML "<p>${description}</p>")

# The changelog's newest entry is this release: its version must be the
# project's, and its date is the release date the manual page and the
# software-centre metadata give.
file(STRINGS ${VCLOCK_PACKAGE_DIR}/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^vordane-clock \\(([^)]+)\\)")
  message(FATAL_ERROR "packaging/changelog does not start with an entry for vordane-clock")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "packaging/changelog starts with version ${CMAKE_MATCH_1}, the project is "
                      "${PROJECT_VERSION}: add an entry for this release")
endif()
file(STRINGS ${VCLOCK_PACKAGE_DIR}/changelog changelog_trailer REGEX "^ -- " LIMIT_COUNT 1)
if(NOT changelog_trailer MATCHES ">  [A-Z][a-z][a-z], ([0-9]+) ([A-Z][a-z][a-z]) ([0-9]+) ")
  message(FATAL_ERROR "packaging/changelog: no date in the first entry's trailer line")
endif()
set(day ${CMAKE_MATCH_1})
set(month ${CMAKE_MATCH_2})
set(year ${CMAKE_MATCH_3})
set(month_names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(month_numbers 01 02 03 04 05 06 07 08 09 10 11 12)
list(FIND month_names ${month} month)
list(GET month_numbers ${month} month)
if(day MATCHES "^[0-9]$")
  set(day 0${day})
endif()
set(VCLOCK_RELEASE_DATE ${year}-${month}-${day})

# The copyright file carries the licence as LICENSE states it, and its
# copyright line (cmake/authorship.cmake).
string(STRIP "${VCLOCK_LICENSE}" license)
string(REGEX REPLACE "\n\n" "\n.\n" license "${license}")
string(REPLACE "\n" "\n " license "${license}")
set(VCLOCK_LICENSE_TEXT " ${license}")

# Where the manual page finds the program's files once the package is installed.
set(VCLOCK_PROGRAM_PATH ${CPACK_PACKAGING_INSTALL_PREFIX}/${VCLOCK_PROGRAM_DIR})
set(docs ${CMAKE_CURRENT_BINARY_DIR}/package-docs)
configure_file(${VCLOCK_PACKAGE_DIR}/copyright.in ${docs}/copyright @ONLY)
configure_file(${VCLOCK_PACKAGE_DIR}/vordane-clock.1.in ${docs}/vordane-clock.1 @ONLY)

# Debian compresses manual pages and changelogs, without a name or time stamp.
set(compressed "")
foreach(file IN ITEMS ${docs}/vordane-clock.1 ${VCLOCK_PACKAGE_DIR}/changelog)
  get_filename_component(name ${file} NAME)
  add_custom_command(OUTPUT ${docs}/gz/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${file} ${docs}/gz/${name}
    COMMAND gzip -9 -n -f ${docs}/gz/${name}
    DEPENDS ${file}
    VERBATIM)
  list(APPEND compressed ${docs}/gz/${name}.gz)
endforeach()
add_custom_target(vclock_package_docs ALL DEPENDS ${compressed})

install(FILES ${docs}/copyright ${docs}/gz/changelog.gz ${VCLOCK_README_FILE}
        DESTINATION ${VCLOCK_DOC_DIR})
install(FILES ${docs}/gz/vordane-clock.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${VCLOCK_PACKAGE_DIR}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME vordane-clock)

set(CPACK_PACKAGE_NAME vordane-clock)
set(CPACK_PACKAGE_VENDOR "${VCLOCK_VENDOR}")
set(CPACK_PACKAGE_CONTACT "${VCLOCK_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${VCLOCK_SUMMARY}")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${VCLOCK_DESCRIPTION_FILE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The licence allows no copying without the author's permission.
set(CPACK_DEBIAN_PACKAGE_SECTION non-free/utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VCLOCK_HOMEPAGE}")
# Dependencies come from the libraries the program links (dpkg-shlibdeps),
# and Liberation Sans, which the windows' Arial and "MS Sans Serif" resolve
# to (app/qt/fonts): with another font the text no longer fits as laid out.
# Without libcanberra the clock falls back to the plain bell; without the
# Wayland plugin Qt needs an X server (XWayland on a Wayland desktop).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libcanberra0, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
