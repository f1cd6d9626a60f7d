# Who makes the clock, for everything that names the maker: the Debian
# package and the Windows program's version resource. LICENSE
# holds the one copyright line; the maker is its holder.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE VCLOCK_LICENSE)
if(NOT VCLOCK_LICENSE MATCHES "Copyright \\(c\\) (([0-9]+) ([^\n]+))")
  message(FATAL_ERROR "LICENSE has no copyright line of the form 'Copyright (c) YEAR HOLDER'")
endif()
set(VCLOCK_COPYRIGHT "${CMAKE_MATCH_1}")
set(VCLOCK_VENDOR "${CMAKE_MATCH_3}")
