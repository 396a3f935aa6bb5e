# SPDX-FileCopyrightText: The velquin authors
# SPDX-License-Identifier: MIT
#
# Read by cpack for each package: once before packaging, as the project's
# config file, and once after, as a post-build script (CPACK_PACKAGE_FILES
# then names what was built).
if(NOT DEFINED CPACK_PACKAGE_FILES)
  # Every timestamp in a package is the source's own, so that two builds of
  # one commit give the same bytes.
  set(ENV{SOURCE_DATE_EPOCH} "${CPACK_VELQUIN_EPOCH}")
  # The lintian override means nothing outside a .deb.
  if(NOT CPACK_GENERATOR STREQUAL "DEB")
    list(REMOVE_ITEM CPACK_COMPONENTS_ALL deb)
  endif()
  return()
endif()

# The .deb's outer ar header takes its members' modes from the umask:
# rewrite it in ar's deterministic mode, members in their order.
foreach(pkg IN LISTS CPACK_PACKAGE_FILES)
  if(pkg MATCHES "\\.deb$")
    set(dir "${pkg}.members")
    file(REMOVE_RECURSE "${dir}")
    file(MAKE_DIRECTORY "${dir}")
    execute_process(COMMAND "${CPACK_VELQUIN_AR}" t "${pkg}" OUTPUT_VARIABLE members
                    COMMAND_ERROR_IS_FATAL ANY)
    string(STRIP "${members}" members)
    string(REPLACE "\n" ";" members "${members}")
    execute_process(COMMAND "${CPACK_VELQUIN_AR}" x "${pkg}" WORKING_DIRECTORY "${dir}"
                    COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE "${pkg}")
    execute_process(COMMAND "${CPACK_VELQUIN_AR}" rcD "${pkg}" ${members} WORKING_DIRECTORY "${dir}"
                    COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE "${dir}")
  elseif(pkg MATCHES "\\.tar\\.gz$")
    # A source tree's modes follow the umask and its order the file system:
    # pack it again by name, with neutral owners and modes.
    set(dir "${pkg}.tree")
    file(REMOVE_RECURSE "${dir}")
    file(ARCHIVE_EXTRACT INPUT "${pkg}" DESTINATION "${dir}")
    file(GLOB top RELATIVE "${dir}" "${dir}/*")
    execute_process(COMMAND tar --format=gnu --sort=name --owner=0 --group=0 --numeric-owner
                            --mode=go=u-w --mtime=@${CPACK_VELQUIN_EPOCH} -cf - ${top}
                    COMMAND gzip -9n
                    WORKING_DIRECTORY "${dir}" OUTPUT_FILE "${pkg}" COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE "${dir}")
  endif()
endforeach()
