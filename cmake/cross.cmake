# Cross build for the Debian architecture VELQUIN_ARCH (the cache variable, else ARCH in the
# environment) with Debian's cross compiler, tested under qemu's user-mode emulator.
if(NOT VELQUIN_ARCH)
  set(VELQUIN_ARCH $ENV{ARCH} CACHE STRING "Debian architecture to build for")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VELQUIN_ARCH)
macro(dpkg_arch var query)
  execute_process(COMMAND dpkg-architecture -a ${VELQUIN_ARCH} -q${query} OUTPUT_VARIABLE ${var}
                  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
endmacro()
dpkg_arch(triplet DEB_HOST_GNU_TYPE)
dpkg_arch(cpu DEB_HOST_GNU_CPU)
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${cpu})
set(CMAKE_CXX_COMPILER ${triplet}-g++)
execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/../packaging/machine ${VELQUIN_ARCH} qemu
                OUTPUT_VARIABLE qemu OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${qemu} -L /usr/${triplet})
