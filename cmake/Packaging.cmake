# The Debian package: `cpack -G DEB` in a build folder packs what `cmake --install` installs,
# stripped. Build it from a Release build (see the README's "Installing").
set(CPACK_PACKAGE_NAME greenguide)
set(CPACK_PACKAGE_VENDOR "Tarvex Aluminium Systems Ltd")
set(CPACK_PACKAGE_CONTACT "Tarvex Aluminium Systems Ltd <greenguide@tarvex.co.uk>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Green Guide rating and certificate of an aluminium window")
# Debian shows the description in 80 columns, each line after a space.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Gives the BRE Green Guide environmental profile of an aluminium window\n"
    "built from Tarvex window systems, and prints or saves its Environmental\n"
    "Profile Certificate. Its command line rates windows and writes the\n"
    "certificates of a whole window schedule.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY greenguide)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.tarvex.co.uk)
# The libraries the program links are found by dpkg-shlibdeps; the certificate's metrics need
# Liberation Sans, which no library names. The workbook libraries are named too, so that the
# package says what it needs for Excel files even where shlibdeps is not run.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, libminizip1, libxlsxwriter4")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS bash-completion)
# The site's settings file is the administrator's: kept over upgrades (conffiles), with the
# permissions Debian expects of control files.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/resources/debian/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
