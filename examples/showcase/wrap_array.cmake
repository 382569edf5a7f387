# Turns tool output into a C source file: an optional #include <nds.h> and an
# optional declaration in front of the text. Usage:
#   cmake -DIN=text -DOUT=file.c [-DDECLARATION=name] [-DNO_INCLUDE=1] -P wrap_array.cmake
file(READ ${IN} body)
set(head "")
if(NOT NO_INCLUDE)
  set(head "#include <nds.h>\n\n")
endif()
if(DECLARATION)
  set(head "${head}uint16 ${DECLARATION}[] = ")
endif()
file(WRITE ${OUT}.tmp "${head}${body}\n")
file(RENAME ${OUT}.tmp ${OUT})
