# Builds the Debian package from a build folder into a scratch folder and has lintian judge it;
# any error or warning fails:
# cmake -DBUILD_DIR=<build folder> -DCPACK=<cpack> -DWORK_DIR=<scratch folder> -P CheckPackage.cmake
foreach(tool lintian dpkg-deb dpkg-shlibdeps)
    find_program(tool_path ${tool} NO_CACHE)
    if(NOT tool_path)
        message("SKIP: ${tool} is not installed")
        return()
    endif()
endforeach()

file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}
                RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB package ${WORK_DIR}/*.deb)
if(failed OR NOT package)
    message(FATAL_ERROR "cpack made no package:\n${out}")
endif()

execute_process(COMMAND lintian --fail-on error,warning ${package} RESULT_VARIABLE failed
                OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(failed)
    message(FATAL_ERROR "lintian ${package}:\n${out}")
endif()
message("${out}")
