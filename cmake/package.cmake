# The Debian package of the Linux program: `cpack -G DEB` in the build folder.
set(CPACK_PACKAGE_NAME vordane-clock)
set(CPACK_PACKAGE_VENDOR "Vordane")
set(CPACK_PACKAGE_CONTACT "Vordane Clock developers <clock@vordane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Picture clock with an alarm: a waterfall that tells the time")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# Dependencies come from the libraries the program links (dpkg-shlibdeps).
# Without libcanberra the clock falls back to the plain bell.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libcanberra0")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
