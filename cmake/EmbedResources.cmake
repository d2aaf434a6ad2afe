# pr_embed_resource(<target> <type> <name> <file>)
#   Embeds <file> (relative to the calling directory) in the program as the resource <type>
#   <name> (platform/os/embedded_resources.h).  The build generates "<name>.res.inc" whenever the
#   file changes (an integer name "#8000" as "_8000.res.inc"); the .cpp that owns the resource
#   includes it once (#include "<NAME>.res.inc"), which registers the bytes at start-up.  Keeping
#   the include in the owner's own translation unit keeps the resource in every program that links
#   the owner.
set(PR_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbedFile.cmake)

function(pr_embed_resource target type name file)
  set(input ${CMAKE_CURRENT_SOURCE_DIR}/${file})
  set(folder ${CMAKE_CURRENT_BINARY_DIR}/embedded)
  string(MAKE_C_IDENTIFIER "${name}" file_name)
  set(output ${folder}/${file_name}.res.inc)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output} -DTYPE=${type} -DNAME=${name} -P ${PR_EMBED_SCRIPT}
    DEPENDS ${input} ${PR_EMBED_SCRIPT}
    COMMENT "Embedding ${file} as ${type} ${name}"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
  target_include_directories(${target} PRIVATE ${folder})
endfunction()
