# orvane_embed(TARGET <target> FUNCTION <qualified function> HEADER <header name>
#              FILES <name>=<path> ...)
# Turns each file into a byte array compiled into <target>, reachable through
#   std::span<const std::uint8_t> <function>(std::string_view name)
# which returns an empty span for an unknown name. Names compare ignoring case.
set(ORVANE_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/OrvaneEmbedGen.cmake)

function(orvane_embed)
  cmake_parse_arguments(E "" "TARGET;FUNCTION;HEADER" "FILES" ${ARGN})
  string(MAKE_C_IDENTIFIER "${E_FUNCTION}" _id)
  set(_out ${CMAKE_CURRENT_BINARY_DIR}/embedded_${_id}.cpp)
  set(_deps)
  set(_pairs)
  foreach(pair IN LISTS E_FILES)
    string(REPLACE "=" ";" _kv "${pair}")
    list(GET _kv 1 _path)
    list(APPEND _deps ${_path})
    list(APPEND _pairs "${pair}")
  endforeach()
  string(REPLACE ";" "|" _pairs_arg "${_pairs}")
  add_custom_command(
    OUTPUT ${_out}
    COMMAND ${CMAKE_COMMAND} -DOUT=${_out} -DFUNCTION=${E_FUNCTION} -DHEADER=${E_HEADER}
            "-DPAIRS=${_pairs_arg}" -P ${ORVANE_EMBED_SCRIPT}
    DEPENDS ${_deps} ${ORVANE_EMBED_SCRIPT}
    COMMENT "Embedding data for ${E_FUNCTION}"
    VERBATIM)
  # The generated file is compiled here, beside its custom command, and linked into the target.
  add_library(${_id}_embedded OBJECT ${_out})
  target_include_directories(${_id}_embedded PRIVATE ${PROJECT_SOURCE_DIR}/src)
  target_sources(${E_TARGET} PRIVATE $<TARGET_OBJECTS:${_id}_embedded>)
endfunction()
