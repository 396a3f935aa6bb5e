# SPDX-FileCopyrightText: 2026 The velquin authors
# SPDX-License-Identifier: MIT
#
# Cross build for the Debian architecture VELQUIN_ARCH (the cache variable, else ARCH in the
# environment) with Debian's cross compiler, tested under qemu's user-mode emulator.
if(NOT VELQUIN_ARCH)
  set(VELQUIN_ARCH $ENV{ARCH} CACHE STRING "Debian architecture to build for")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VELQUIN_ARCH)
macro(dpkg_arch var query)
  execute_process(COMMAND dpkg-architecture -a ${VELQUIN_ARCH} -q${query}
                  OUTPUT_VARIABLE ${var} OUTPUT_STRIP_TRAILING_WHITESPACE
                  ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
endmacro()
dpkg_arch(triplet DEB_HOST_GNU_TYPE)
dpkg_arch(multiarch DEB_HOST_MULTIARCH)
dpkg_arch(cpu DEB_HOST_GNU_CPU)
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${cpu})
set(CMAKE_CXX_COMPILER ${triplet}-g++)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -dumpversion
                OUTPUT_VARIABLE gcc_version OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)

# The cross compiler finds its own private copies of the C library and GCC's runtime first. Where
# that machine's own packages are installed beside this one's (libc6-dev:ARCH and
# libstdc++-N-dev:ARCH), the start files and libraries are taken from them instead, so that a
# program carries what Debian ships, and fixes, for that machine.
set(own_gcc /usr/lib/gcc/${triplet}/${gcc_version})
set(own_libc /usr/lib/${multiarch})
execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/../packaging/machine ${VELQUIN_ARCH} qemu
                OUTPUT_VARIABLE qemu OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
if(EXISTS ${own_gcc}/libstdc++.a AND EXISTS ${own_libc}/libc.a)
  set(CMAKE_EXE_LINKER_FLAGS_INIT "-B${own_gcc}/ -B${own_libc}/")
  set(CMAKE_CROSSCOMPILING_EMULATOR ${qemu})
else()
  message(STATUS "No libc6-dev:${VELQUIN_ARCH} and libstdc++-${gcc_version}-dev:${VELQUIN_ARCH}: "
                  "linking with the cross compiler's private copies")
  set(CMAKE_CROSSCOMPILING_EMULATOR ${qemu} -L /usr/${triplet})
endif()
