# Fails when the README or the Debian changelog states another version than
# project(VERSION), the one place the version is set.
# Usage: cmake -DSOURCE_DIR=<repo> -DVERSION=<project version> -P checkversion.cmake

set(wrong "")

file(READ ${SOURCE_DIR}/README.md readme)
if(readme MATCHES "This is gaikyo ([0-9][0-9.]*[0-9])")
    if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
        string(APPEND wrong "  README.md says \"This is gaikyo ${CMAKE_MATCH_1}\"\n")
    endif()
else()
    string(APPEND wrong "  README.md has no line \"This is gaikyo <version>\"\n")
endif()

file(STRINGS ${SOURCE_DIR}/packaging/debian/changelog top LIMIT_COUNT 1)
if(top MATCHES "^gaikyo \\(([^)]+)-[^)-]+\\) ")
    if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
        string(APPEND wrong "  packaging/debian/changelog's latest entry is for ${CMAKE_MATCH_1}\n")
    endif()
else()
    string(APPEND wrong "  packaging/debian/changelog does not begin with \"gaikyo (<version>-<revision>)\"\n")
endif()

if(wrong)
    message(FATAL_ERROR "project(VERSION) is ${VERSION}, but:\n${wrong}")
endif()
message(STATUS "README.md and packaging/debian/changelog state ${VERSION}")
