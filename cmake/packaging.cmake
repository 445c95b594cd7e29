# Install rules and the Debian package. The program, its help and its sample folder live together
# in one folder, because the program finds its help and sample beside its executable; the desktop
# files go under the usual prefix.

if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
    set(CMAKE_INSTALL_PREFIX /usr CACHE PATH "Install prefix of the launcher and the desktop files" FORCE)
endif()
include(GNUInstallDirs)

set(PARL_PROGRAM_DIR /opt/kalmo/parl)
set(PARL_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/data/desktop)
set(PARL_APPSTREAM_ID org.parl_project.parl)

install(TARGETS parl RUNTIME DESTINATION ${PARL_PROGRAM_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/parl.html DESTINATION ${PARL_PROGRAM_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/sample DESTINATION ${PARL_PROGRAM_DIR})

cmake_path(GET PARL_WORDLISTS_FILE PARENT_PATH parl_wordlists_dir)
cmake_path(GET PARL_WORDLISTS_FILE FILENAME parl_wordlists_name)
install(FILES ${PROJECT_SOURCE_DIR}/data/wordlists.txt
    DESTINATION ${parl_wordlists_dir} RENAME ${parl_wordlists_name})

# A symbolic link rather than a wrapper script: the program resolves its own folder through the
# link, and dpkg owns a link as cleanly as a file.
set(parl_launcher ${CMAKE_BINARY_DIR}/packaging/parl)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
file(CREATE_LINK ${PARL_PROGRAM_DIR}/parl ${parl_launcher} SYMBOLIC)
install(FILES ${parl_launcher} DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PARL_DESKTOP_DIR}/parl.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PARL_DESKTOP_DIR}/${PARL_APPSTREAM_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PARL_DESKTOP_DIR}/parl.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN ITEMS 16 32 48 64 128 256)
    install(FILES ${PARL_DESKTOP_DIR}/parl-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME parl.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME parl)
set(CPACK_PACKAGE_VENDOR "The PARL project")
set(CPACK_PACKAGE_CONTACT "The PARL project <parl@invalid.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "PARL measures how intelligible a child's speech is: a rater listens to the child's 50\n"
    "recorded test words, picks the word heard from a short list of similar-sounding words,\n"
    "and PARL turns the correct picks into an intelligibility percentage.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
# The DESTDIR mechanism keeps the absolute program folder inside the package root.
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries come from dpkg-shlibdeps; what the program loads or uses without linking
# (Qt's platform plugins, the fonts it asks for) is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, fonts-dejavu-core")

include(CPack)
