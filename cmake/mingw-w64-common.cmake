# The "posix" thread model gives std::mutex, which GoogleTest needs; everything is linked
# statically, so the programs still import only Windows system DLLs.
set(CMAKE_C_COMPILER ${VELMORA_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELMORA_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VELMORA_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VELMORA_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
