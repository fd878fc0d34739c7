# Warnings apply to our own code only; third-party headers come in as system includes.
set(XKR_WARNING_FLAGS -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
# GCC 12 reports std::string copies inlined at -O2 and above as overlapping (GCC bug 105651).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  list(APPEND XKR_WARNING_FLAGS -Wno-restrict)
endif()

function(xkr_set_warnings target)
  target_compile_options(${target} PRIVATE ${XKR_WARNING_FLAGS})
endfunction()
