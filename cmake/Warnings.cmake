# The warning set every file of the project compiles cleanly under. VELMORA_WERROR makes a new
# warning fail the build (the test command turns it on); it stays off by default so that a
# compiler this project was never tried with cannot stop an ordinary build.
option(VELMORA_WERROR "Treat compiler warnings as errors" OFF)

add_compile_options(
  -Wall -Wextra -Wpedantic -Wshadow
  -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-qual -Wold-style-cast
  -Wformat=2 -Wmissing-declarations -Wundef -Wimplicit-fallthrough)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(-Wduplicated-cond -Wlogical-op)
endif()
if(VELMORA_WERROR)
  add_compile_options(-Werror)
endif()
