# Builds the probe TARGET in BUILD_DIR and passes only when the build fails
# because the compiler cannot find HEADER: the layer may not see it.
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${TARGET}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result EQUAL 0)
  message(FATAL_ERROR "${TARGET} built: ${HEADER} is within its reach")
endif()
string(FIND "${output}" "${HEADER}: No such file or directory" gcc)
string(FIND "${output}" "'${HEADER}' file not found" clang)
if(gcc EQUAL -1 AND clang EQUAL -1)
  message(FATAL_ERROR "${TARGET} failed, but not for want of ${HEADER}:\n${output}")
endif()
