# Our own targets compile warning-free at this level; third-party headers are
# included as system headers so that their warnings do not count.
function(zeb_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wshadow -Wimplicit-fallthrough -Wformat=2)
endfunction()
