# SPDX-FileCopyrightText: The velquin authors
# SPDX-License-Identifier: MIT
#
# Read by cpack three times for each package: as the project's config file
# before anything is staged, as a pre-build script once the files are
# staged, and as a post-build script (CPACK_PACKAGE_FILES then names what
# was built). Its work is to make two builds of one commit give the same
# bytes: every timestamp is the source's own.
if(NOT CPACK_TEMPORARY_DIRECTORY)
  set(ENV{SOURCE_DATE_EPOCH} "${CPACK_VELQUIN_EPOCH}")
  # The lintian override means nothing outside a .deb.
  if(NOT CPACK_GENERATOR STREQUAL "DEB")
    list(REMOVE_ITEM CPACK_COMPONENTS_ALL deb)
  endif()
  return()
endif()

if(NOT DEFINED CPACK_PACKAGE_FILES)
  # rpmbuild only clamps times later than SOURCE_DATE_EPOCH, and a file
  # from the source tree may be older.
  if(CPACK_GENERATOR STREQUAL "RPM")
    execute_process(COMMAND find "${CPACK_TEMPORARY_DIRECTORY}" -exec touch -h -d @${CPACK_VELQUIN_EPOCH} {} +
                    COMMAND_ERROR_IS_FATAL ANY)
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
