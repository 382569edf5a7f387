# Warning and code-generation flags shared by every target of the project.
function(pane_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(PANE_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# Library code runs on the DS: no exceptions, no RTTI.
function(pane_set_embedded_flags target)
  target_compile_options(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions -fno-rtti>)
endfunction()
