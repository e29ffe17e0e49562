# Settings every target of the project links.
# Warnings are errors by default so that the build the tests run keeps the
# code free of them; turn it off to try a newer compiler's new warnings.
option(PENTARIX_WERROR "Treat compiler warnings as errors" ON)

add_library(pentarix_common_config INTERFACE)
target_compile_options(pentarix_common_config INTERFACE
  -Wall -Wextra -Wpedantic -Wold-style-cast
  $<$<BOOL:${PENTARIX_WERROR}>:-Werror>
  # Debug information names files relative to the source folder, so no
  # folder of the build machine ends up in the program.
  -ffile-prefix-map=${CMAKE_SOURCE_DIR}/=
  -ffile-prefix-map=${CMAKE_BINARY_DIR}/=)
target_compile_definitions(pentarix_common_config INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CONTEXTLESS_CONNECT QT_NO_KEYWORDS)
