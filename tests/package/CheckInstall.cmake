# Installs the build into a scratch prefix and checks what a desktop and a manual reader find
# there: cmake -DBUILD_DIR=<build folder> -DWORK_DIR=<scratch folder> -P CheckInstall.cmake
set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
    message(FATAL_ERROR "cmake --install failed")
endif()

set(id org.example.vostrel)
foreach(path bin/vostrel share/applications/${id}.desktop
             share/icons/hicolor/scalable/apps/${id}.svg share/metainfo/${id}.metainfo.xml
             share/man/man1/vostrel.1.gz share/doc/vostrel/copyright
             share/doc/vostrel/changelog.gz share/vostrel/translations/vostrel_de.qm
             share/vostrel/translations/vostrel_fr.qm)
    if(NOT EXISTS ${prefix}/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

# The installed program finds its translations beside it: its help reads differently in German.
include(${CMAKE_CURRENT_LIST_DIR}/WithoutDisplay.cmake)
foreach(locale C de_DE.UTF-8)
    without_display(${locale})
    execute_process(COMMAND ${prefix}/bin/vostrel --help OUTPUT_VARIABLE help_${locale}
                    ERROR_QUIET)
endforeach()
if(help_C STREQUAL help_de_DE.UTF-8)
    message(FATAL_ERROR "the installed program's help is not translated:\n${help_C}")
endif()

# The validators come with the desktop's own packages; without one, its check is skipped.
set(missing)
foreach(check "desktop-file-validate;${prefix}/share/applications/${id}.desktop"
              "appstreamcli;validate;--no-net;${prefix}/share/metainfo/${id}.metainfo.xml")
    list(GET check 0 tool)
    find_program(tool_path ${tool} NO_CACHE)
    if(NOT tool_path)
        list(APPEND missing ${tool})
        continue()
    endif()
    execute_process(COMMAND ${check} RESULT_VARIABLE failed OUTPUT_VARIABLE out
                    ERROR_VARIABLE out)
    if(failed)
        message(FATAL_ERROR "${check}:\n${out}")
    endif()
endforeach()
if(missing)
    list(JOIN missing ", " missing)
    message("SKIP: not installed: ${missing}")
endif()
