# Installs the build into a temporary prefix and checks the desktop files there:
# cmake -DBUILD_DIR=<build folder> -DWORK_DIR=<scratch folder> -P CheckInstall.cmake
set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
    message(FATAL_ERROR "cmake --install failed")
endif()

set(id org.example.vostrel.Vostrel)
foreach(path bin/vostrel share/applications/${id}.desktop
             share/icons/hicolor/scalable/apps/${id}.svg share/metainfo/${id}.metainfo.xml
             share/doc/vostrel/LICENSE)
    if(NOT EXISTS ${prefix}/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

foreach(check "desktop-file-validate;${prefix}/share/applications/${id}.desktop"
              "appstreamcli;validate;--no-net;${prefix}/share/metainfo/${id}.metainfo.xml")
    execute_process(COMMAND ${check} RESULT_VARIABLE failed OUTPUT_VARIABLE out
                    ERROR_VARIABLE out)
    if(failed)
        message(FATAL_ERROR "${check}:\n${out}")
    endif()
endforeach()
