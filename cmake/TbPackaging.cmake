# `cpack -G DEB` in the build folder: a Debian package of what `cmake --install` places, under
# /usr. Its scripts update the desktop's file types and menu entries after an install or a
# removal. Library dependencies are worked out from the programs themselves.
set(CPACK_PACKAGE_NAME "ambrel-brisko")
set(CPACK_PACKAGE_VENDOR "Tallowby Software")
set(CPACK_PACKAGE_CONTACT "Tallowby Software <support@tallowby.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Designs panels of animated web buttons and publishes them as HTML")
set(CPACK_PACKAGE_DESCRIPTION "Ambrel Brisko lets a web author design a panel of animated \
buttons without writing code, preview it in a browser and publish it into web pages together \
with the media it needs.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "web")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The package carries the programs without their debugging information.
set(CPACK_STRIP_FILES ON)
# The libraries (Qt, its web engine) come from the programs; the fonts the designer draws
# labels with are files, not libraries, so they are named here.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    "${CMAKE_SOURCE_DIR}/resources/desktop/postinst;${CMAKE_SOURCE_DIR}/resources/desktop/postrm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_GENERATOR "DEB")
include(CPack)
