# Checks the plug-in module as Windows loads it, from `objdump -p`: a PE32+ image that exports
# exactly the six entry points by their plain names and imports only system DLLs and the
# stand-in SDK's DLL.
# Usage: cmake -DOBJDUMP=... -DMODULE=... -DHOST_DLL=... -P check_pe.cmake
cmake_policy(SET CMP0057 NEW)  # IN_LIST
execute_process(COMMAND ${OBJDUMP} -p ${MODULE} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${MODULE} failed")
endif()

set(problems "")
if(NOT dump MATCHES "\nMagic[ \t]+020b")
  string(APPEND problems "not a PE32+ image (optional header magic 020b)\n")
endif()

# "[Ordinal/Name Pointer] Table" lists one "\t[   n] Name" line per export.
string(REGEX MATCH "[[]Ordinal/Name Pointer[]] Table\n(\t[[] *[0-9]+[]] [^\n]+\n)*" table "${dump}")
string(REGEX MATCHALL "\t[[] *[0-9]+[]] [^\n]+" exports "${table}")
list(TRANSFORM exports REPLACE "^\t[[] *[0-9]+[]] " "")
list(SORT exports)
set(expected LibClassDesc LibDescription LibInitialize LibNumberClasses LibShutdown LibVersion)
if(NOT exports STREQUAL expected)
  string(APPEND problems "exports '${exports}', expected exactly '${expected}'\n")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
list(TRANSFORM imports REPLACE "^DLL Name: " "")
set(allowed KERNEL32.dll USER32.dll GDI32.dll SHELL32.dll COMCTL32.dll ADVAPI32.dll msvcrt.dll
            ${HOST_DLL})
foreach(dll IN LISTS imports)
  string(TOUPPER "${dll}" upper)
  set(ok FALSE)
  foreach(name IN LISTS allowed)
    string(TOUPPER "${name}" allowed_upper)
    if(upper STREQUAL allowed_upper)
      set(ok TRUE)
    endif()
  endforeach()
  if(NOT ok)
    string(APPEND problems "imports ${dll}, neither a system DLL nor ${HOST_DLL}\n")
  endif()
endforeach()
if(NOT "${HOST_DLL}" IN_LIST imports)
  string(APPEND problems "does not import the stand-in SDK's ${HOST_DLL}\n")
endif()

if(problems)
  message(FATAL_ERROR "${MODULE}:\n${problems}")
endif()
message(STATUS "${MODULE}: PE32+, exports ${exports}, imports ${imports}")
