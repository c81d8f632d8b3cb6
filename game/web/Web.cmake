# The browser build of the game, included by the top CMakeLists.txt under emcmake
# (scripts/build-web.sh). It links the program against the compiler's own SDL 1.2 in
# JavaScript, packs the start-up script and game/data into the page's file system at /game,
# and writes a folder that any static web server can serve: index.html, bubble-hush.js,
# bubble-hush.wasm and bubble-hush.data.

set_target_properties(tolm PROPERTIES OUTPUT_NAME bubble-hush SUFFIX ".js")
# No threads in the page: the player's files are written on the main loop instead.
set(TOLM_WEB_LINK_OPTIONS
    "SHELL:-s USE_SDL=1"
    # Pictures are decoded at once when loaded, as on the desktop.
    "SHELL:-s STB_IMAGE=1"
    # The image loader calls these from JavaScript.
    "SHELL:-s EXPORTED_FUNCTIONS=_main,_malloc,_free,_stbi_load,_stbi_load_from_memory,_stbi_image_free"
    "SHELL:-s ALLOW_MEMORY_GROWTH=1"
    "SHELL:-s ENVIRONMENT=web"
    "SHELL:-s FORCE_FILESYSTEM=1"
    "SHELL:-s EXIT_RUNTIME=0"
    "SHELL:-s EXPORTED_RUNTIME_METHODS=FS"
    # The player's folder lives in IndexedDB.
    "-lidbfs.js"
    "SHELL:--preload-file ${CMAKE_SOURCE_DIR}/game/autoexec.txt@/game/autoexec.txt"
    "SHELL:--preload-file ${CMAKE_SOURCE_DIR}/game/data@/game/data"
    "SHELL:--pre-js ${CMAKE_SOURCE_DIR}/game/web/pre.js")
target_link_options(tolm PRIVATE ${TOLM_WEB_LINK_OPTIONS})
set_property(TARGET tolm APPEND PROPERTY LINK_DEPENDS ${CMAKE_SOURCE_DIR}/game/web/pre.js
    ${CMAKE_SOURCE_DIR}/game/autoexec.txt)
file(GLOB_RECURSE TOLM_WEB_DATA CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/game/data/*)
set_property(TARGET tolm APPEND PROPERTY LINK_DEPENDS ${TOLM_WEB_DATA})

# The page itself sits beside the program.
add_custom_command(TARGET tolm POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/game/web/index.html
        $<TARGET_FILE_DIR:tolm>/index.html)
