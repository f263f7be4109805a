# Runs the program with no window system at hand and checks its exit code and its whole output:
# cmake -DPROGRAM=<file> -DOPTION=<argument> -DEXIT_CODE=<n> -DOUTPUT=<text> [-DLOCALE=<name>]
#       -P RunWithoutDisplay.cmake
# The program speaks the locale's language (C, English, unless LOCALE says otherwise).
include(${CMAKE_CURRENT_LIST_DIR}/WithoutDisplay.cmake)
if(NOT LOCALE)
    set(LOCALE C)
endif()
without_display(${LOCALE})
execute_process(COMMAND ${PROGRAM} ${OPTION} RESULT_VARIABLE code OUTPUT_VARIABLE out
                ERROR_VARIABLE out OUTPUT_STRIP_TRAILING_WHITESPACE
                ERROR_STRIP_TRAILING_WHITESPACE)
if(NOT code STREQUAL EXIT_CODE OR NOT out STREQUAL OUTPUT)
    message(FATAL_ERROR "vostrel ${OPTION}: exit ${code}, said:\n${out}\n"
                        "expected exit ${EXIT_CODE}, saying:\n${OUTPUT}")
endif()
