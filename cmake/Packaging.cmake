# Installation and the Debian package: the programs, the desktop entry and its
# icon, and the sample card to begin with.
include(GNUInstallDirs)

install(TARGETS tallowmere-cli tallowmere-cards RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The window program. The core library already has the name tallowmere, so the
# window program's target may go by another; what matters is its file name.
function(tallowmere_install_window_program)
    foreach(candidate IN ITEMS tallowmere tallowmere-gui tallowmere-window)
        if(TARGET ${candidate})
            get_target_property(type ${candidate} TYPE)
            get_target_property(file ${candidate} OUTPUT_NAME)
            if(NOT file)
                set(file ${candidate})
            endif()
            if(type STREQUAL "EXECUTABLE" AND file STREQUAL "tallowmere")
                install(TARGETS ${candidate} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
            endif()
        endif()
    endforeach()
endfunction()
tallowmere_install_window_program()

install(FILES ${PROJECT_SOURCE_DIR}/packaging/tallowmere.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/tallowmere.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/samples/card
        DESTINATION ${CMAKE_INSTALL_DATADIR}/tallowmere)
install(FILES ${PROJECT_SOURCE_DIR}/samples/results.pmr ${PROJECT_SOURCE_DIR}/samples/TrackEditor.ini
        DESTINATION ${CMAKE_INSTALL_DATADIR}/tallowmere)

set(CPACK_PACKAGE_NAME tallowmere)
set(CPACK_PACKAGE_VENDOR "Tallowmere Software")
set(CPACK_PACKAGE_CONTACT "Tallowmere Software <support@tallowmere.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Tallowmere TB: handicapping for Thoroughbred race cards")
set(CPACK_PACKAGE_DESCRIPTION
    "Rates every horse of a TrackMaster race card, picks four per race, records the results and keeps betting profiles over the archive of cards.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.tallowmere.example")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The dependencies are the Debian packages of the libraries the programs link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
