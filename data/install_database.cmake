# Puts the delivered database into the application folder only when none is
# there: the file in the folder holds the operator's data.
if(EXISTS "${TO}")
  return()
endif()
get_filename_component(dir "${TO}" DIRECTORY)
file(MAKE_DIRECTORY "${dir}")
file(COPY_FILE "${FROM}" "${TO}.tmp")
file(RENAME "${TO}.tmp" "${TO}")
message(STATUS "Delivered database placed at ${TO}")
