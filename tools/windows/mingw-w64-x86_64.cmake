# Cross-building for 64-bit Windows with Debian's mingw-w64 (the posix-threads
# compilers, whose libstdc++ has std::thread). libgcc, libstdc++ and the
# threads runtime (winpthread) are linked statically, so the programs need no
# DLL beside SDL2.dll.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
# The libraries built for Windows here (SDL2, libpng, zlib) live in a prefix
# of their own under build/.
if(QUORREL_WINDOWS_DEPS)
  list(APPEND CMAKE_FIND_ROOT_PATH ${QUORREL_WINDOWS_DEPS})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
