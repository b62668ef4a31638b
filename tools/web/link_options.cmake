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

# quorrel-sim for node (quorrel-sim.js and its .wasm): it reads and writes the
# machine's files directly, so the trace scripts run it like the native one;
# its main adds --batch for many runs in one process.
function(quorrel_web_sim)
  add_executable(quorrel-sim ${CMAKE_SOURCE_DIR}/tools/sim/sim.cpp ${CMAKE_SOURCE_DIR}/tools/web/sim_main.cpp)
  target_include_directories(quorrel-sim PRIVATE ${CMAKE_SOURCE_DIR}/tools)
  target_link_libraries(quorrel-sim PRIVATE quorrel_world)
  # A misused command line is a CLI11 exception, caught and reported: the
  # page's builds catch none unless asked.
  set_source_files_properties(${CMAKE_SOURCE_DIR}/src/platform/core/command_line.cpp TARGET_DIRECTORY quorrel_platform_core
                              PROPERTIES COMPILE_OPTIONS -fexceptions)
  target_link_options(quorrel-sim PRIVATE -sENVIRONMENT=node -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1
                      -sINITIAL_MEMORY=67108864 -sEXIT_RUNTIME=1 -fexceptions
                      # node 20 has a fetch that this emscripten would try on a file path.
                      -sWASM_ASYNC_COMPILATION=0)
endfunction()

# The editor page's module (quorrel-editor.js and its .wasm): the floor tools'
# reading, writing, linting, linking and solving, for the page and its solver
# Worker. Only the tools' files the editor needs are built.
function(quorrel_web_editor)
  set(floors ${CMAKE_SOURCE_DIR}/tools/floors)
  set_source_files_properties(${CMAKE_SOURCE_DIR}/tools/web/word_memcmp.c PROPERTIES COMPILE_OPTIONS -fno-builtin)
  set_source_files_properties(${CMAKE_SOURCE_DIR}/tools/web/bulk_memory.c PROPERTIES COMPILE_OPTIONS "-fno-builtin;-mbulk-memory")
  add_executable(quorrel-editor ${CMAKE_SOURCE_DIR}/tools/web/editor_api.cpp ${CMAKE_SOURCE_DIR}/tools/web/word_memcmp.c
    ${CMAKE_SOURCE_DIR}/tools/web/bulk_memory.c
    ${floors}/floor_source.cpp ${floors}/legend.cpp ${floors}/lint.cpp ${floors}/floor_link.cpp ${floors}/lone_floor.cpp
    ${floors}/solver.cpp ${floors}/seen_worlds.cpp ${floors}/moves.cpp ${floors}/world_code.cpp ${floors}/floor_world.cpp
    ${floors}/stages.cpp ${floors}/ideas.cpp ${floors}/candidate.cpp ${floors}/ablation.cpp ${floors}/measures.cpp ${floors}/naive.cpp)
  target_include_directories(quorrel-editor PRIVATE ${CMAKE_SOURCE_DIR}/tools)
  # The solver compares and copies worlds a record at a time, which the
  # compiler can then do with the browser's 128-bit operations.
  target_compile_options(quorrel-editor PRIVATE -msimd128)
  target_link_libraries(quorrel-editor PRIVATE quorrel_world ZLIB::ZLIB)
  target_link_options(quorrel-editor PRIVATE -sMODULARIZE=1 -sEXPORT_NAME=QuorrelEditor -sENVIRONMENT=web,worker
                      -sALLOW_MEMORY_GROWTH=1 -sMAXIMUM_MEMORY=2147483648 -sINITIAL_MEMORY=67108864
                      -sFORCE_FILESYSTEM=1 "-sEXPORTED_RUNTIME_METHODS=['ccall','cwrap','UTF8ToString','FS']")
endfunction()
