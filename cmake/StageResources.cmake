# Copies resources/<folder>/ into the staged install root (only files whose content changed).
foreach(sub System map Images User)
  if(EXISTS "${SRC}/${sub}")
    file(GLOB_RECURSE files RELATIVE "${SRC}/${sub}" "${SRC}/${sub}/*")
    foreach(f ${files})
      configure_file("${SRC}/${sub}/${f}" "${DST}/${sub}/${f}" COPYONLY)
    endforeach()
  endif()
endforeach()
