# Each layer is one static library; its include root is src/ so headers read "data/ahnen_data.h".
function(qv_layer_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
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
