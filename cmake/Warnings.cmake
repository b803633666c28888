# Strict warnings for the project's own targets; third-party headers come in as
# system includes through their imported targets and are not affected.
function(corvane_strict target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wformat=2 -Wcast-align -Wnull-dereference
        -Werror)
endfunction()
