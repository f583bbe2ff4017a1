# The Debian package: `cpack -G DEB` in a build folder makes zolt-programmer_VERSION_ARCH.deb,
# its library dependencies found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zolt-programmer)
set(CPACK_PACKAGE_VENDOR "Vantric Systems")
set(CPACK_PACKAGE_CONTACT "Vantric Systems <support@vantricsystems.com>")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "PC programming tool of the Zolt control system
Write a controller program of numbered lines on six pages, check it against the
fitted I/O blocks and modules, save, export and print it, and send it to the
controller over a serial cable.

Includes zoltctl, the same from the command line, and zolt-sim, an emulated
MCU, Pocket Programmer or CIM on a pseudo-terminal.")
if(ZOLT_GUI)
    # Loaded as plugins, so dpkg-shlibdeps cannot see them: the window system's platform
    # plugins, and the SVG plugins that draw the toolbar's icons.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
endif()
include(CPack)
