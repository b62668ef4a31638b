# How the browser build's game is linked: quorrel.js and quorrel.wasm, which
# tools/web/index.html loads; the page fetches data.dat and floor.dat into
# the program's working folder before main runs.
target_link_options(quorrel PRIVATE
  -sENVIRONMENT=web
  -sALLOW_MEMORY_GROWTH=1
  -sINITIAL_MEMORY=67108864
  -sFORCE_FILESYSTEM=1
  "-sEXPORTED_FUNCTIONS=['_main','_quorrel_frames','_quorrel_scene','_quorrel_floor','_quorrel_play_mode']"
  "-sEXPORTED_RUNTIME_METHODS=['FS','addRunDependency','removeRunDependency']"
  # SDL's sound code calls these from its own JavaScript (a file, as their
  # names start with a dollar sign, which no shell would leave alone).
  -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${CMAKE_CURRENT_LIST_DIR}/sdl_library_functions.txt
  -sMIN_WEBGL_VERSION=1
  -sMAX_WEBGL_VERSION=2)
