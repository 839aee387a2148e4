# Compiles through ccache when it is installed, set up so that another clone of the same sources
# on the same machine hits the cache: paths under the source tree are hashed relative to it, and
# the build folder's own path (which debug information records) is left out of the hash.
# cmake/ccache-compile stands between: it lets clang's precompiled headers be shared too.
option(VELMORA_CCACHE "Compile through ccache when it is installed" ON)
if(NOT VELMORA_CCACHE OR CMAKE_CXX_COMPILER_LAUNCHER)
  return()
endif()
find_program(CCACHE_PROGRAM ccache)
if(NOT CCACHE_PROGRAM)
  return()
endif()
# pch_defines and time_macros let a precompiled header be cached and used; the file times of a
# fresh clone are new, so the cache must look at header contents rather than their times. The
# inode cache keeps the hash of the large precompiled header instead of reading it for every file;
# where a .sum lies beside a precompiled header, that is hashed in its place.
set(velmora_ccache
  ${CMAKE_COMMAND} -E env
  CCACHE_BASEDIR=${PROJECT_SOURCE_DIR}
  CCACHE_NOHASHDIR=1
  CCACHE_INODECACHE=1
  CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
  CCACHE_PCH_EXTSUM=1
  ${PROJECT_SOURCE_DIR}/cmake/ccache-compile ${CCACHE_PROGRAM})
set(CMAKE_C_COMPILER_LAUNCHER ${velmora_ccache})
set(CMAKE_CXX_COMPILER_LAUNCHER ${velmora_ccache})
