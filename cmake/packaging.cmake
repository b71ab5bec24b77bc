# Installing as a desktop program, and the Debian package (cpack -G DEB in the build
# folder; tools/release makes the release build of it).
include(GNUInstallDirs)

set(GAIKYO_MAINTAINER "gaikyo maintainers <maintainers@users.noreply.c-seed-009c920f.example>")
set(packaging_out ${PROJECT_BINARY_DIR}/packaging)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS gaikyo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped install (cmake --install --strip, and the package) also drops the sections
# that only name the compiler, as Debian's own packages do.
if(CMAKE_STRIP AND NOT WIN32)
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/gaikyo\"
                COMMAND_ERROR_IS_FATAL ANY)
        endif()")
endif()
install(FILES LICENSE THIRD_PARTY_NOTICES DESTINATION ${CMAKE_INSTALL_DOCDIR})
if(WIN32)
    return()
endif()

install(FILES packaging/gaikyo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/gaikyo.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The copyright file in Debian's machine-readable format, from LICENSE: the same
# holder, year and text.
file(READ LICENSE license)
if(NOT license MATCHES "Copyright \\(c\\) ([^\n]+)\n")
    message(FATAL_ERROR "LICENSE has no line \"Copyright (c) <year> <holder>\"")
endif()
set(GAIKYO_COPYRIGHT "${CMAKE_MATCH_1}")
string(FIND "${license}" "Permission is hereby granted" body_start)
string(SUBSTRING "${license}" ${body_start} -1 license_body)
string(STRIP "${license_body}" license_body)
string(REPLACE "\n\n" "\n.\n" license_body "${license_body}")
string(REPLACE "\n" "\n " license_body " ${license_body}")
set(GAIKYO_LICENSE_BODY "${license_body}")
configure_file(packaging/debian/copyright.in ${packaging_out}/copyright @ONLY)

# The manual page and the Debian changelog, compressed as Debian wants them (-n: no
# name or time stamp, so that the same sources give the same package).
configure_file(packaging/gaikyo.1.in ${packaging_out}/gaikyo.1 @ONLY)
configure_file(packaging/debian/changelog ${packaging_out}/changelog.Debian COPYONLY)
foreach(file gaikyo.1 changelog.Debian)
    add_custom_command(OUTPUT ${packaging_out}/${file}.gz
                       COMMAND gzip -9nkf ${packaging_out}/${file}
                       DEPENDS ${packaging_out}/${file} VERBATIM)
endforeach()
add_custom_target(gaikyo_packaging_files ALL
                  DEPENDS ${packaging_out}/gaikyo.1.gz ${packaging_out}/changelog.Debian.gz)
install(FILES ${packaging_out}/gaikyo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging_out}/copyright ${packaging_out}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
# What lintian says that is meant so (each with its reason in the file).
install(FILES packaging/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME gaikyo)

# The Debian revision is that of the changelog's latest entry; its upstream part must be
# project(VERSION) (the test `version` and tools/release check it).
file(STRINGS packaging/debian/changelog changelog_top LIMIT_COUNT 1)
if(NOT changelog_top MATCHES "^gaikyo \\(([^)]+)-([^)-]+)\\) ")
    message(FATAL_ERROR "packaging/debian/changelog: no entry \"gaikyo (<version>-<revision>)\"")
endif()
set(GAIKYO_DEBIAN_REVISION ${CMAKE_MATCH_2})
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(WARNING "packaging/debian/changelog's latest entry is for ${CMAKE_MATCH_1}, "
                    "not ${PROJECT_VERSION}: add an entry before making a package")
endif()

set(CPACK_PACKAGE_NAME gaikyo)
set(CPACK_PACKAGE_VENDOR "gaikyo maintainers")
set(CPACK_PACKAGE_CONTACT "${GAIKYO_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${GAIKYO_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_RELEASE ${GAIKYO_DEBIAN_REVISION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "business overview statement FB1005 (法人事業概況説明書) for corporate tax")
set(CPACK_PACKAGE_DESCRIPTION
    "gaikyo prepares the National Tax Agency's business overview statement
(form FB1005) that goes with a Japanese corporate tax return. The user
registers client companies, fills in both pages of the form over a handful of
data-entry screens, and prints the form onto the official pre-printed sheet or
onto plain A4 paper under a full-page picture of the form. Both pages can also
be saved as PDF.

The program is in Japanese. Its data are small Shift_JIS (code page 932) text
files, kept byte for byte as earlier installations wrote them.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the program links come from dpkg-shlibdeps; the Qt platform plugins,
# Qt's Japanese translation and the fonts that stand in for the Windows fonts are
# needed at run time as well.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, fonts-ipafont-gothic, fonts-ipafont-mincho")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
