# Warning and sanitizer flags shared by every target of the project.
add_library(tabulo_options INTERFACE)
target_compile_options(tabulo_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wnon-virtual-dtor -Woverloaded-virtual -Wimplicit-fallthrough)
if(TABULO_WERROR)
  target_compile_options(tabulo_options INTERFACE -Werror)
endif()
if(TABULO_SANITIZE)
  target_compile_options(tabulo_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(tabulo_options INTERFACE -fsanitize=address,undefined)
endif()
