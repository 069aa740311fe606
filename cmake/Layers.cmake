# Compiles the target's sources in batches, one compiler run per batch: a clean build (as CI
# does it) spends most of its time reading the same Qt and standard headers again and again.
# Names in a source's anonymous namespace therefore must not clash with those of its neighbours.
function(qv_unity_build name)
    set_target_properties(${name} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 12)
endfunction()

# Each layer is one static library; its include root is src/ so headers read "data/ahnen_data.h".
function(qv_layer_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    qv_unity_build(${name})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_LINKS})
endfunction()

# Compiles a resource file into a C++ byte array named symbol.
function(qv_embed_file input output symbol)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output} -DSYMBOL=${symbol}
                -P ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
        DEPENDS ${input} ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
        VERBATIM)
endfunction()
