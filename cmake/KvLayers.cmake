# Every layer of src/ is a static library. A layer's headers are reachable as
# "<layer>/<file>.h" only through a per-layer include root that a target gets by
# linking that layer, so an include that skips the layering fails to compile.

set(KV_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wconversion)
if(KV_WERROR)
    list(APPEND KV_WARNINGS -Werror)
endif()

function(kv_warnings target)
    target_compile_options(${target} PRIVATE ${KV_WARNINGS})
endfunction()

function(kv_layer target dir)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    add_library(${target} STATIC ${sources})
    set(root ${CMAKE_BINARY_DIR}/layers/${dir})
    file(MAKE_DIRECTORY ${root})
    if(NOT EXISTS ${root}/${dir})
        file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${dir} SYMBOLIC)
    endif()
    target_include_directories(${target} PUBLIC ${root})
    kv_warnings(${target})
endfunction()
