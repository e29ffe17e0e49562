# Builds a database file from SQL text into a temporary file, then moves it into
# place, so a failed run never leaves a half-made database.
get_filename_component(dir "${OUT}" DIRECTORY)
file(MAKE_DIRECTORY "${dir}")
set(tmp "${OUT}.tmp")
file(REMOVE "${tmp}" "${tmp}-journal")
execute_process(COMMAND "${SQLITE3}" -bail "${tmp}" ".read ${SQL}"
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  file(REMOVE "${tmp}")
  message(FATAL_ERROR "sqlite3 failed on ${SQL}: ${err}")
endif()
file(RENAME "${tmp}" "${OUT}")
