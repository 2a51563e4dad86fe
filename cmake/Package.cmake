# The Debian package of the program: `cpack` (or ./dev.sh package) writes it
# into build/package/. Its dependencies are read from the shared libraries the
# program actually links, so they follow whatever Qt the build used.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tessel developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "draw a function of two variables as a point cloud in perspective")
set(CPACK_PACKAGE_DESCRIPTION
    "Tessel draws the graph of a real function of two variables, Y = F(X, Z),\n\
as a cloud of coloured points seen in perspective. Type F as an expression\n\
in X and Z, choose the intervals and the number of points, calculate, then\n\
turn, move and zoom the camera. Points are coloured by height, with a legend\n\
of the Y values and an optional depth buffer.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${TESSEL_HOMEPAGE})
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_SOURCE_DIR}/build/package)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Debug information stays in the build; the package carries the program only.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# No person or company stands behind the package; the address is in the
# same reserved example domain as the home page until the project has one.
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tessel developers <developers@tessel.example>")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window text needs a sans-serif face with these metrics.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)

include(CPack)
