# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix thread model).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZNK_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZNK_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZNK_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZNK_MINGW_TRIPLE}-windres)

# libjpeg-turbo and GoogleTest are built for MinGW by scripts/setup into this prefix.
get_filename_component(ZNK_SOURCE_ROOT "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(ZNK_MINGW_DEPS "${ZNK_SOURCE_ROOT}/build/deps/mingw" CACHE PATH "MinGW dependency prefix")
set(CMAKE_FIND_ROOT_PATH /usr/${ZNK_MINGW_TRIPLE} ${ZNK_MINGW_DEPS})
set(CMAKE_PREFIX_PATH ${ZNK_MINGW_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
