# What the two MinGW-w64 toolchain files share; each sets ZNK_MINGW_TRIPLE and
# CMAKE_SYSTEM_PROCESSOR first. Debian's compilers of the posix thread model.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${ZNK_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZNK_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZNK_MINGW_TRIPLE}-windres)
set(CMAKE_STRIP ${ZNK_MINGW_TRIPLE}-strip)

# libjpeg-turbo and GoogleTest are built for this triple by scripts/setup into this prefix.
get_filename_component(ZNK_SOURCE_ROOT "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(ZNK_MINGW_DEPS "${ZNK_SOURCE_ROOT}/build/deps/${ZNK_MINGW_TRIPLE}"
    CACHE PATH "MinGW dependency prefix")
set(CMAKE_FIND_ROOT_PATH /usr/${ZNK_MINGW_TRIPLE} ${ZNK_MINGW_DEPS})
set(CMAKE_PREFIX_PATH ${ZNK_MINGW_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
