# The release this build makes, read from the top entry of debian/changelog (the one changelog:
# the packages' and the project's) so that the changelog, the Debian packages, the AppStream
# metainfo and the project version cannot disagree.
set(MEROVANE_CHANGELOG ${PROJECT_SOURCE_DIR}/debian/changelog)
file(STRINGS ${MEROVANE_CHANGELOG} MEROVANE_CHANGELOG_TOP LIMIT_COUNT 1)
if(NOT MEROVANE_CHANGELOG_TOP MATCHES "^merovane \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "debian/changelog starts with \"${MEROVANE_CHANGELOG_TOP}\": "
                      "give version ${PROJECT_VERSION} its entry first")
endif()
file(STRINGS ${MEROVANE_CHANGELOG} MEROVANE_CHANGELOG_DATE REGEX "^ -- " LIMIT_COUNT 1)
string(REGEX MATCH "([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9])" _ "${MEROVANE_CHANGELOG_DATE}")
set(_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND _months "${CMAKE_MATCH_2}" _month)
math(EXPR _month "${_month} + 1" OUTPUT_FORMAT DECIMAL)
if(_month LESS 10)
  set(_month 0${_month})
endif()
set(MEROVANE_RELEASE_DATE ${CMAKE_MATCH_3}-${_month}-${CMAKE_MATCH_1})
