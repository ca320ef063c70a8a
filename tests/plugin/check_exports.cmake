# Checks the dynamic symbol table of a module, as `nm -D` lists it: the six exports and
# DllMain are defined undecorated, nothing else of ours is exported, and no symbol is
# STB_GNU_UNIQUE (nm type "u"), which would keep the module from unloading.
# Usage: cmake -DNM=<nm> -DMODULE=<file> [-DALLOW_TYPEINFO=ON] -P check_exports.cmake
# ALLOW_TYPEINFO: the undefined-behaviour sanitizer's type checks make every translation unit
# emit the type information of the host classes it checks; those objects are not ours.
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${NM} -D --defined-only ${MODULE}
  OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "nm -D failed on ${MODULE}")
endif()

set(required LibDescription LibNumberClasses LibClassDesc LibVersion LibInitialize LibShutdown DllMain)
# Found by the stand-in's resource loader in modules that embed resources.
set(allowed ${required} standin_module_resources standin_module_resources_size)

string(REPLACE "\n" ";" lines "${listing}")
set(found "")
foreach(line IN LISTS lines)
  if(line MATCHES "^[0-9a-fA-F]* *([A-Za-z]) (.+)$")
    set(type ${CMAKE_MATCH_1})
    set(name ${CMAKE_MATCH_2})
    if(type STREQUAL "u")
      message(SEND_ERROR "STB_GNU_UNIQUE symbol: ${name}")
    endif()
    if(name IN_LIST required AND NOT type STREQUAL "T")
      message(SEND_ERROR "${name} has type ${type}, expected a function (T)")
    endif()
    if(ALLOW_TYPEINFO AND name MATCHES "^_ZT[IS]")
      # type information of a class, emitted for the sanitizer's checks
    elseif(NOT name IN_LIST allowed)
      message(SEND_ERROR "unexpected export: ${name}")
    endif()
    list(APPEND found ${name})
  endif()
endforeach()
foreach(name IN LISTS required)
  if(NOT name IN_LIST found)
    message(SEND_ERROR "missing export: ${name}")
  endif()
endforeach()
