# Man pages of zoltctl and zolt-sim, written from their --help by help2man at build time. A
# machine without help2man still builds, only without the pages.
find_program(HELP2MAN help2man)
if(NOT HELP2MAN)
    message(STATUS "help2man not found: the man pages of zoltctl and zolt-sim are not built")
    return()
endif()

# zolt_man_page(PROGRAM NAME_LINE): section 1 page of PROGRAM, gzipped as Debian keeps them.
function(zolt_man_page program name_line)
    set(page ${CMAKE_CURRENT_BINARY_DIR}/man/${program}.1)
    add_custom_command(
        OUTPUT ${page}.gz
        COMMAND ${HELP2MAN} --no-info --version-string=${PROJECT_VERSION}
                --name=${name_line} --output=${page} $<TARGET_FILE:${program}>
        COMMAND gzip -9nf ${page}
        DEPENDS ${program}
        COMMENT "Writing the man page of ${program}"
        VERBATIM)
    add_custom_target(${program}-man ALL DEPENDS ${page}.gz)
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

zolt_man_page(zoltctl "Zolt controller programs from the command line")
zolt_man_page(zolt-sim "emulated Zolt MCU, Pocket Programmer or CIM on a pseudo-terminal")
