# Cross-compiling for aarch64 Linux with Debian's cross compiler; the
# programs run under qemu-user with the cross toolchain's libraries.
# H2O_ORV_AARCH64_ROOT: a folder with more aarch64 packages unpacked (Qt Core
# and the libraries it needs), searched, linked and run with as well.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES H2O_ORV_AARCH64_ROOT)

set(CMAKE_FIND_ROOT_PATH /usr/aarch64-linux-gnu ${H2O_ORV_AARCH64_ROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64 -L /usr/aarch64-linux-gnu)
if(H2O_ORV_AARCH64_ROOT)
  set(libraries ${H2O_ORV_AARCH64_ROOT}/usr/lib/aarch64-linux-gnu ${H2O_ORV_AARCH64_ROOT}/lib/aarch64-linux-gnu)
  foreach(dir IN LISTS libraries)
    string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -Wl,-rpath-link,${dir}")
  endforeach()
  list(JOIN libraries ":" path)
  list(APPEND CMAKE_CROSSCOMPILING_EMULATOR -E LD_LIBRARY_PATH=${path})
endif()
