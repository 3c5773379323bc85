# Embeds resource files into a static library as byte arrays.
# tabulo_embed_resources(TARGET name ENTRIES component type id file ...)
# The library defines tabulo::resources::Embedded(), the table that
# tabulo::platform::FindResource searches.
function(tabulo_embed_resources)
  cmake_parse_arguments(ARG "" "TARGET" "ENTRIES" ${ARGN})
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/${ARG_TARGET}_table.cpp)
  set(entries ${ARG_ENTRIES})
  list(LENGTH entries count)
  math(EXPR last "${count} - 1")
  set(files "")
  set(spec "")
  foreach(i RANGE 0 ${last} 4)
    math(EXPR i_type "${i} + 1")
    math(EXPR i_id "${i} + 2")
    math(EXPR i_file "${i} + 3")
    list(GET entries ${i} component)
    list(GET entries ${i_type} type)
    list(GET entries ${i_id} id)
    list(GET entries ${i_file} file)
    get_filename_component(file ${file} ABSOLUTE)
    list(APPEND files ${file})
    string(APPEND spec "${component}|${type}|${id}|${file};")
  endforeach()
  add_custom_command(
    OUTPUT ${generated}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${generated} "-DSPEC=${spec}"
            -P ${PROJECT_SOURCE_DIR}/cmake/GenerateResourceTable.cmake
    DEPENDS ${files} ${PROJECT_SOURCE_DIR}/cmake/GenerateResourceTable.cmake
    COMMENT "Embedding resources of ${ARG_TARGET}"
    VERBATIM)
  add_library(${ARG_TARGET} STATIC ${generated})
  target_link_libraries(${ARG_TARGET} PUBLIC tabulo_platform)
endfunction()
