# The -posix compilers: the win32 thread model lacks std::mutex, which GoogleTest needs.
set(CMAKE_C_COMPILER ${ZARVO_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZARVO_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ZARVO_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ZARVO_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Static runtime: the programs import system DLLs only.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
