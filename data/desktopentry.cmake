# Run by `cmake --install`: writes the desktop entry for the program as it is
# installed under CMAKE_INSTALL_PREFIX, then installs the entry into
# share/applications. In: ZENTAK_ENTRY_TEMPLATE, ZENTAK_ENTRY_OUT.

get_filename_component(prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
set(program "${prefix}/zentak")
if(program MATCHES "[\r\n]")
  message(FATAL_ERROR "A desktop entry cannot name a program whose path holds a line break: ${program}")
endif()

# TryExec is a plain string value: only the backslash is escaped.
string(REPLACE "\\" "\\\\" ZENTAK_TRYEXEC "${program}")

# Exec: a path with a reserved character is put in double quotes, where the
# characters " ` $ and \ take a backslash. The value as a whole is a string,
# whose escaping doubles every backslash again, and % is doubled so that it
# is not taken for a field code.
set(exec "${program}")
if(exec MATCHES "[ \t\"'\\\\<>~|&;$*?#()`]")
  string(REPLACE "\\" "\\\\" exec "${exec}")
  string(REPLACE "\"" "\\\"" exec "${exec}")
  string(REPLACE "`" "\\`" exec "${exec}")
  string(REPLACE "$" "\\$" exec "${exec}")
  set(exec "\"${exec}\"")
endif()
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")
set(ZENTAK_EXEC "${exec}")

configure_file("${ZENTAK_ENTRY_TEMPLATE}" "${ZENTAK_ENTRY_OUT}" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications" TYPE FILE
     FILES "${ZENTAK_ENTRY_OUT}")
