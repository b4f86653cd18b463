# Installation (cmake --install, GNUInstallDirs) and the Debian package (make package).
#
#   bin/vantrel, bin/merrow
#   share/vantrel/           sample catalogue sample.mdb, its files in sample/, readme.txt,
#                            the Amiga templates in templates/
#   share/applications/      the desktop entry (vantrel only: merrow is started from it)
#   share/metainfo/          AppStream metadata
#   share/icons/hicolor/     the icon, scalable and rendered to PNG at build time
#   share/man/man1/          vantrel.1, merrow.1
#
# The programs find share/vantrel relative to their own folder, so an installation can be
# moved as a whole.
include(GNUInstallDirs)

set(VANTREL_APP_ID io.github.vantrel.Vantrel)
set(VANTREL_SHARED_DIR ${CMAKE_INSTALL_DATADIR}/vantrel)
set(desktop_dir ${CMAKE_SOURCE_DIR}/data/desktop)

# The path from the programs' folder to the shared files, as the install lays them out.
file(RELATIVE_PATH shared_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/vantrel)
set_source_files_properties(${CMAKE_SOURCE_DIR}/src/core/shareddata.cpp
    DIRECTORY ${CMAKE_SOURCE_DIR}/src/core
    PROPERTIES COMPILE_DEFINITIONS VANTREL_SHARED_FROM_BIN="${shared_from_bin}")

install(TARGETS vantrel merrow RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The sample catalogue as make_sample wrote it (data/CMakeLists.txt keeps that copy apart
# from the one `make run` works on) and the sample files it points at.
install(FILES ${CMAKE_BINARY_DIR}/data/commodore.mdb DESTINATION ${VANTREL_SHARED_DIR}
        RENAME sample.mdb)
install(FILES ${CMAKE_SOURCE_DIR}/data/readme.txt DESTINATION ${VANTREL_SHARED_DIR})
install(DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/sample DESTINATION ${VANTREL_SHARED_DIR})
# The project's own Amiga templates, the last place the players look for one.
install(DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/templates DESTINATION ${VANTREL_SHARED_DIR})

install(FILES ${desktop_dir}/${VANTREL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_dir}/${VANTREL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${desktop_dir}/vantrel.1 ${desktop_dir}/merrow.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The icon: the hand-drawn SVG, and PNGs rendered from it for desktops that want them.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icon_svg ${desktop_dir}/${VANTREL_APP_ID}.svg)
install(FILES ${icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
set(icon_pngs)
foreach(size 48 64 128 256)
    set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${VANTREL_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
        COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${icon_svg}
        DEPENDS ${icon_svg}
        COMMENT "Rendering the ${size}x${size} icon"
        VERBATIM)
    list(APPEND icon_pngs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(icons ALL DEPENDS ${icon_pngs})

# make package: vantrel_<version>_<arch>.deb in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Vantrel developers")
set(CPACK_PACKAGE_CONTACT "The Vantrel developers <vantrel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "catalogue and launcher for Commodore 64 and Amiga games")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Vantrel keeps a collection of Commodore 64, C128 and Amiga games in one catalogue:"
    "titles, publishers, credits, screenshots, and the game and music files. It starts"
    "the games in the emulator and their music in the sound player of the user's choice."
    "Merrow, its companion, exports a collector's own records and merges those of others.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://example.org/catalogue)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so the library scan cannot see them: the catalogue's SQL driver and
# the window system plugins.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins")
include(CPack)

if(BUILD_TESTING)
    add_subdirectory(${CMAKE_SOURCE_DIR}/tests/install ${CMAKE_BINARY_DIR}/tests-install)
endif()

# The legacy Jet reader is a helper of the programs, not a command of its own.
if(TARGET vantrel-jet-reader)
    set(VANTREL_READER_DIR ${CMAKE_INSTALL_LIBEXECDIR}/vantrel)
    file(RELATIVE_PATH reader_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
         ${CMAKE_INSTALL_FULL_LIBEXECDIR}/vantrel)
    set_source_files_properties(${CMAKE_SOURCE_DIR}/src/core/legacyreader.cpp
        DIRECTORY ${CMAKE_SOURCE_DIR}/src/core
        PROPERTIES COMPILE_DEFINITIONS VANTREL_READER_FROM_BIN="${reader_from_bin}")
    install(TARGETS vantrel-jet-reader RUNTIME DESTINATION ${VANTREL_READER_DIR})
endif()
