# Settings every target of the project links.
add_library(pentarix_common_config INTERFACE)
target_compile_options(pentarix_common_config INTERFACE
  -Wall -Wextra -Wpedantic -Wold-style-cast -Wno-unused-parameter)
target_compile_definitions(pentarix_common_config INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CONTEXTLESS_CONNECT QT_NO_KEYWORDS)
