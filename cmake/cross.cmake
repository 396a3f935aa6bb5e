# SPDX-FileCopyrightText: 2026 The velquin authors
# SPDX-License-Identifier: MIT
#
# Cross build for the Debian architecture VELQUIN_ARCH (the cache variable, else ARCH in the
# environment) with Debian's cross compiler, tested under qemu's user-mode emulator.
if(NOT VELQUIN_ARCH)
  set(VELQUIN_ARCH $ENV{ARCH} CACHE STRING "Debian architecture to build for")
endif()
if(NOT VELQUIN_ARCH)
  message(FATAL_ERROR "ARCH is needed: the Debian architecture to build for, such as arm64")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VELQUIN_ARCH)
macro(dpkg_arch var query)
  execute_process(COMMAND dpkg-architecture -a ${VELQUIN_ARCH} -q${query}
                  OUTPUT_VARIABLE ${var} OUTPUT_STRIP_TRAILING_WHITESPACE
                  ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
endmacro()
dpkg_arch(triplet DEB_HOST_GNU_TYPE)
dpkg_arch(cpu DEB_HOST_GNU_CPU)
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${cpu})
set(CMAKE_CXX_COMPILER ${triplet}-g++)

# The cross compiler finds its own private copies of the C library and GCC's runtime first. The
# start files and libraries are taken from that machine's own packages instead, installed beside
# this one's, so that a program carries what Debian ships, and fixes, for that machine.
execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/../packaging/machine ${VELQUIN_ARCH} qemu
                OUTPUT_VARIABLE qemu OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/../packaging/machine ${VELQUIN_ARCH} libraries
                OUTPUT_VARIABLE own_libraries OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
if(NOT own_libraries)
  message(FATAL_ERROR "${VELQUIN_ARCH}'s own libraries are needed: libc6-dev:${VELQUIN_ARCH} and "
                      "libstdc++-N-dev:${VELQUIN_ARCH}, as packaging/cross-setup installs them")
endif()
string(REPLACE "\n" "/ -B" own_libraries "${own_libraries}")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-B${own_libraries}/")
set(CMAKE_CROSSCOMPILING_EMULATOR ${qemu})
