# VX_SANITIZE=address,undefined builds everything with those sanitizers; any report
# aborts the process, so a memory fault fails the test that met it.
set(VX_SANITIZE "" CACHE STRING "Comma-separated sanitizers to build with (e.g. address,undefined)")
if(VX_SANITIZE)
  add_compile_options(-fsanitize=${VX_SANITIZE} -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=${VX_SANITIZE})
endif()
