# `cmake --install`: the game as a Linux desktop game. The executable goes to
# <prefix>/games, its data to <prefix>/share/games/vrels, plus a desktop entry,
# the icon in the hicolor theme and AppStream metadata. The game finds its data
# from its own place, so the prefix can be anything. The runner is installed
# only on request: cmake --install BUILD --component tools.

set(VRELS_APP_ID "org.vrels.skarov")
set(VRELS_INSTALL_BINDIR "games" CACHE STRING "Install folder of the game, below the prefix")
set(VRELS_INSTALL_DATADIR "share/games/vrels" CACHE STRING "Install folder of the game data, below the prefix")

# The game locates its data relative to its executable.
file(RELATIVE_PATH VRELS_DATA_FROM_BIN
     /prefix/${VRELS_INSTALL_BINDIR} /prefix/${VRELS_INSTALL_DATADIR})
set_property(SOURCE ${CMAKE_SOURCE_DIR}/app/Paths.cpp APPEND PROPERTY
             COMPILE_DEFINITIONS VRELS_INSTALLED_DATA_FROM_BIN="${VRELS_DATA_FROM_BIN}")

install(TARGETS vrels RUNTIME DESTINATION ${VRELS_INSTALL_BINDIR} COMPONENT game)
if(TARGET vrels-run)
    install(TARGETS vrels-run RUNTIME DESTINATION ${VRELS_INSTALL_BINDIR}
            COMPONENT tools EXCLUDE_FROM_ALL)
endif()

# Only the data folders: the logs, settings and ranking of runs in the build's
# game folder stay behind, and so does the test stage's replay, which the test
# suite and every "bench" start write (the attract demo never plays it).
# Replays of other stages played in the build's game folder would be shipped:
# scripts/package.sh therefore packages from a fresh build folder.
foreach(sub gfx map bgm se adv replay)
    install(DIRECTORY ${GAME_DIR}/${sub} DESTINATION ${VRELS_INSTALL_DATADIR} COMPONENT game
            REGEX "/replay/0\\.rec$" EXCLUDE)
endforeach()

# The icon: the SVG source as drawn, and a 256 x 256 PNG rendered from it.
set(VRELS_ICON_SVG ${CMAKE_SOURCE_DIR}/content/icon/vrels.svg)
set(VRELS_ICON_PNG ${CMAKE_BINARY_DIR}/icon/${VRELS_APP_ID}.png)
if(TARGET vrels-artgen)
    add_custom_command(
        OUTPUT ${VRELS_ICON_PNG}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icon
        COMMAND vrels-artgen --icon ${VRELS_ICON_SVG} --size 256 --png ${VRELS_ICON_PNG}
        DEPENDS vrels-artgen ${VRELS_ICON_SVG}
        COMMENT "Rendering the 256 x 256 icon"
        VERBATIM)
    # The portable game folder carries the icon too, for its window; an
    # installed game takes it from the icon theme folder.
    add_custom_command(
        OUTPUT ${GAME_DIR}/${VRELS_APP_ID}.png
        COMMAND ${CMAKE_COMMAND} -E copy ${VRELS_ICON_PNG} ${GAME_DIR}/${VRELS_APP_ID}.png
        DEPENDS ${VRELS_ICON_PNG}
        VERBATIM)
    add_custom_target(icon DEPENDS ${VRELS_ICON_PNG} ${GAME_DIR}/${VRELS_APP_ID}.png)
    add_dependencies(content icon)
endif()
install(FILES ${VRELS_ICON_SVG} DESTINATION share/icons/hicolor/scalable/apps
        RENAME ${VRELS_APP_ID}.svg COMPONENT game)
install(FILES ${VRELS_ICON_PNG} DESTINATION share/icons/hicolor/256x256/apps COMPONENT game)

# The desktop entry names the executable by its installed path, known only
# when installing (the prefix given to cmake --install, or the package's /usr);
# each prefix gets its own copy, so installs side by side do not mix.
set(VRELS_DESKTOP_SOURCE ${CMAKE_SOURCE_DIR}/packaging/${VRELS_APP_ID}.desktop.in)
install(CODE "
    set(VRELS_EXEC \"\${CMAKE_INSTALL_PREFIX}/${VRELS_INSTALL_BINDIR}/vrels\")
    set(VRELS_APP_ID \"${VRELS_APP_ID}\")
    string(MD5 vrels_prefix_key \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
    set(vrels_desktop \"${CMAKE_BINARY_DIR}/packaging/\${vrels_prefix_key}/${VRELS_APP_ID}.desktop\")
    configure_file(\"${VRELS_DESKTOP_SOURCE}\" \"\${vrels_desktop}\" @ONLY)
    file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/share/applications\" TYPE FILE
         FILES \"\${vrels_desktop}\")
    " COMPONENT game)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${VRELS_APP_ID}.metainfo.xml
        DESTINATION share/metainfo COMPONENT game)
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/CREDITS
              ${CMAKE_SOURCE_DIR}/packaging/copyright
        DESTINATION share/doc/vrels COMPONENT game)

# The changelog and the manual page, compressed as Debian keeps them (gzip -9n:
# the most compression, no file name or time stamp, so builds are repeatable).
set(VRELS_COMPRESSED_DOCS)
foreach(doc changelog vrels.6)
    set(compressed ${CMAKE_BINARY_DIR}/packaging/${doc}.gz)
    add_custom_command(
        OUTPUT ${compressed}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
        COMMAND sh -c "gzip -9nc '${CMAKE_SOURCE_DIR}/packaging/${doc}' > '${compressed}'"
        DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${doc}
        COMMENT "Compressing ${doc}"
        VERBATIM)
    list(APPEND VRELS_COMPRESSED_DOCS ${compressed})
endforeach()
add_custom_target(compressed-docs ALL DEPENDS ${VRELS_COMPRESSED_DOCS})
add_dependencies(content compressed-docs)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION share/doc/vrels
        COMPONENT game)
install(FILES ${CMAKE_BINARY_DIR}/packaging/vrels.6.gz DESTINATION share/man/man6 COMPONENT game)
