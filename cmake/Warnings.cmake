# Warnings apply to our own targets only; third-party headers come in as system includes.
function(xkr_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wno-sign-conversion)
endfunction()
