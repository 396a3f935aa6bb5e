# SPDX-FileCopyrightText: The velquin authors
# SPDX-License-Identifier: MIT
#
# Makes the files the build dates and versions, under the build folder:
# man/ (the plain manual page), dist/ (what only the packages carry), and
# built_using, the runtimes a static build carries.

# Every date the build writes is the source's: SOURCE_DATE_EPOCH if set,
# else the last commit, else the files' own time, which the source tarball
# sets to the release's.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git log -1 --format=%ct -- . WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(NOT epoch)
    file(TIMESTAMP ${PROJECT_SOURCE_DIR}/CMakeLists.txt epoch %s UTC)
  endif()
  set(ENV{SOURCE_DATE_EPOCH} ${epoch})
endif()
string(TIMESTAMP VELQUIN_DATE %Y-%m-%d UTC)

# One page serves both programs. cmake --install lays it out plain; the
# packages get it compressed.
configure_file(man/velquin.1.in man/velquin.1 @ONLY)
file(CREATE_LINK velquin.1 ${PROJECT_BINARY_DIR}/man/velquin_silent.1 SYMBOLIC)
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/dist)
execute_process(COMMAND gzip -9n INPUT_FILE ${PROJECT_BINARY_DIR}/man/velquin.1
                OUTPUT_FILE ${PROJECT_BINARY_DIR}/dist/velquin.1.gz)
file(CREATE_LINK velquin.1.gz ${PROJECT_BINARY_DIR}/dist/velquin_silent.1.gz SYMBOLIC)

# The packages' changelogs carry NEWS.md's newest entry.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS NEWS.md)
file(READ NEWS.md news)
string(FIND "${news}" "\n## " at)
string(SUBSTRING "${news}" ${at} -1 news)
string(REGEX REPLACE "^\n## [^\n]*" "" news "${news}")
string(FIND "${news}" "\n## " at)
string(SUBSTRING "${news}" 0 ${at} news)
string(STRIP "${news}" news)
string(REPLACE "\n" "\n  " deb_news "  ${news}")
string(REPLACE "\n  \n" "\n\n" deb_news "${deb_news}")
string(TIMESTAMP deb_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
string(TIMESTAMP rpm_date "%a %b %d %Y" UTC)
file(CONFIGURE OUTPUT dist/changelog @ONLY CONTENT "velquin (@PROJECT_VERSION@) unstable; urgency=medium

@deb_news@

 -- @CPACK_PACKAGE_CONTACT@  @deb_date@
")
file(CONFIGURE OUTPUT dist/rpm-changelog @ONLY CONTENT "* @rpm_date@ @CPACK_PACKAGE_CONTACT@ - @PROJECT_VERSION@-1
@news@
")
execute_process(COMMAND gzip -9n INPUT_FILE ${PROJECT_BINARY_DIR}/dist/changelog
                OUTPUT_FILE ${PROJECT_BINARY_DIR}/dist/changelog.gz)

if(VELQUIN_STATIC)
  # The binaries carry the C library and the C++ runtime: Debian asks the
  # package to name the source packages they came from.
  foreach(lib libc.a libstdc++.a libgcc.a)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${lib}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    file(REAL_PATH "${path}" path)
    execute_process(COMMAND dpkg-query -S "${path}" OUTPUT_VARIABLE owner ERROR_QUIET)
    string(REGEX REPLACE ": .*" "" owner "${owner}")
    execute_process(COMMAND dpkg-query -W "-f=\${source:Package} (= \${source:Version})" "${owner}"
                    OUTPUT_VARIABLE source ERROR_QUIET)
    list(APPEND built_using "${source}")
  endforeach()
  list(REMOVE_DUPLICATES built_using)
  list(REMOVE_ITEM built_using "")
  list(JOIN built_using ", " built_using)
endif()
