# The environment of a program started with no window system at hand, speaking the language of
# `locale` (C: English) whatever the caller's environment says.
function(without_display locale)
    foreach(variable DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM LANGUAGE LC_MESSAGES)
        unset(ENV{${variable}})
    endforeach()
    set(ENV{LC_ALL} ${locale})
endfunction()
