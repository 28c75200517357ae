# The browser build (emscripten): the SDL libraries come from a prefix of static archives that tools/web.sh
# builds from Debian's source packages, linked by path (a -l name would make emcc fetch its own copy), and
# the program becomes duskhollow.js/.wasm with Data/ and Sound/ packed into duskhollow.data beside a page.
set(DH_WEB_PREFIX "" CACHE PATH "Prefix holding the emscripten builds of SDL2, SDL2_image and SDL2_mixer")
if(NOT EXISTS "${DH_WEB_PREFIX}/lib/libSDL2.a")
  message(FATAL_ERROR "DH_WEB_PREFIX must hold lib/libSDL2.a; tools/web.sh builds it")
endif()
add_library(dh_platform INTERFACE)
target_include_directories(dh_platform SYSTEM INTERFACE ${DH_WEB_PREFIX}/include)
target_link_libraries(dh_platform INTERFACE ${DH_WEB_PREFIX}/lib/libSDL2_mixer.a
                      ${DH_WEB_PREFIX}/lib/libSDL2_image.a ${DH_WEB_PREFIX}/lib/libSDL2.a)

# nlohmann's JSON is header-only: its folder alone is reached through a link, not the system's include folder.
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/json-include)
file(CREATE_LINK /usr/include/nlohmann ${PROJECT_BINARY_DIR}/json-include/nlohmann SYMBOLIC)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE ${PROJECT_BINARY_DIR}/json-include)

# SDL's audio needs two of emscripten's library functions; a file carries the list so that no shell on the
# way eats the dollar signs.
file(WRITE ${PROJECT_BINARY_DIR}/web-library-funcs.json "[\"$autoResumeAudioContext\",\"$dynCall\"]\n")
set(DH_WEB_LINK_OPTIONS
    -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1 -sEXPORTED_RUNTIME_METHODS=FS
    "-sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${PROJECT_BINARY_DIR}/web-library-funcs.json")
