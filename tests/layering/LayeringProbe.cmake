# Compiles SOURCE, which includes HEADER, with the folders INCLUDES. EXPECT
# "built": it must compile. EXPECT "refused": it must fail because the
# compiler cannot find HEADER, which the library may not see.
set(arguments -std=c++20 -fsyntax-only)
foreach(folder ${INCLUDES})
  list(APPEND arguments -I${folder})
endforeach()
execute_process(COMMAND ${COMPILER} ${arguments} ${SOURCE}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(EXPECT STREQUAL "built")
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${HEADER} does not compile where it may be included:\n${output}")
  endif()
  return()
endif()
if(result EQUAL 0)
  message(FATAL_ERROR "${HEADER} is within reach")
endif()
string(FIND "${output}" "${HEADER}: No such file or directory" gcc)
string(FIND "${output}" "'${HEADER}' file not found" clang)
if(gcc EQUAL -1 AND clang EQUAL -1)
  message(FATAL_ERROR "refused, but not for want of ${HEADER}:\n${output}")
endif()
