# Folder-scoped includes. A target sees "folder/Header.h" only for its own folder and for the
# folders of the libraries it links: each target gets an include root in the build tree that
# holds a link to its folder alone, never the source root. So an include against the layers
# (model/ including editor/, say) fails to compile instead of passing unnoticed.

# zolt_folder_includes(TARGET FOLDER [INTERFACE]): FOLDER (relative to the source root, e.g.
# "link/qt") becomes includable by TARGET and, unless it is an executable, by its users.
function(zolt_folder_includes target folder)
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
        target_include_directories(${target} PRIVATE ${root})
    elseif(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()

# zolt_library(NAME FOLDER SOURCES...): the static library of one folder.
function(zolt_library name folder)
    add_library(${name} STATIC ${ARGN})
    zolt_folder_includes(${name} ${folder})
endfunction()
