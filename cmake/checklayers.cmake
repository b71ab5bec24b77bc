# Fails when a file of src/ includes a header of a folder above its own.
# Usage: cmake -DSOURCE_DIR=<src> -P checklayers.cmake
#
# The folders, lowest first. Each may include its own headers and those of the folders
# before it, never those after it.
set(layers datafile screen form registry books statement printing shell gui)

set(upward "")
foreach(folder IN LISTS layers)
    list(FIND layers ${folder} rank)
    file(GLOB_RECURSE files "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
    foreach(file IN LISTS files)
        file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[^\"]*\"([^\"/]+)/.*$" "\\1" target "${line}")
            list(FIND layers ${target} targetRank)
            if(targetRank GREATER rank)
                file(RELATIVE_PATH shown ${SOURCE_DIR} ${file})
                string(APPEND upward "  ${shown} (${folder}) includes ${target}/: ${line}\n")
            endif()
        endforeach()
    endforeach()
endforeach()

if(upward)
    message(FATAL_ERROR "Includes that point up (order: ${layers}):\n${upward}")
endif()
message(STATUS "No include points up (order: ${layers})")
