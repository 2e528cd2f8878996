# The Debian package: `cpack -G DEB` in the build folder, after the program is built.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvra-biorhythms)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kelvra")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Biorhythm chart and biorhythm compatibility of a couple")
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Kelvra Biorhythms draws the physical, emotional and intellectual cycles of a\n"
    "person over the 28 days around a report day, and compares the cycles of two\n"
    "people with three compatibility values and a shared chart.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kelvra Biorhythms maintainers <packages@${KELVRA_SITE_HOST}>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://${KELVRA_SITE_HOST}/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows are laid out for DejaVu Sans where Verdana is missing.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-dejavu-core)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)
