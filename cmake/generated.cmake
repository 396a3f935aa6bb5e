# SPDX-FileCopyrightText: The velquin authors
# SPDX-License-Identifier: MIT
#
# Makes the manual page under the build folder's man/, with the version and
# the source's date.

# Every date the build writes is the source's: SOURCE_DATE_EPOCH if set,
# else the last commit, else the files' own time, which the source tarball
# sets to the commit's.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git log -1 --format=%ct -- . WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(NOT epoch)
    file(TIMESTAMP ${PROJECT_SOURCE_DIR}/CMakeLists.txt epoch %s UTC)
  endif()
  set(ENV{SOURCE_DATE_EPOCH} ${epoch})
endif()
string(TIMESTAMP VELQUIN_DATE %Y-%m-%d UTC)

# One page serves both programs; the packages compress it.
configure_file(man/velquin.1.in man/velquin.1 @ONLY)
file(CREATE_LINK velquin.1 ${PROJECT_BINARY_DIR}/man/velquin_silent.1 SYMBOLIC)
