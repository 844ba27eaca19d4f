# zentak_cp932_tables(TARGET): the tables of code page 932, generated from
# Qt's converter by zentak_cp932gen at build time, added to TARGET.
function(zentak_cp932_tables target)
    if(NOT TARGET zentak_cp932gen)
        add_executable(zentak_cp932gen ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/cp932gen.cpp)
        target_link_libraries(zentak_cp932gen PRIVATE Qt6::Core)
    endif()
    set(tables ${CMAKE_CURRENT_BINARY_DIR}/cp932tables.cpp)
    add_custom_command(OUTPUT ${tables}
        COMMAND zentak_cp932gen ${tables}
        DEPENDS zentak_cp932gen
        COMMENT "Code page 932 tables from Qt's converter"
        VERBATIM)
    target_sources(${target} PRIVATE ${tables})
endfunction()
