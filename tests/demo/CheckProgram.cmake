# Runs zoltctl check on PROGRAM: a program without line errors makes it print nothing and exit 0.
execute_process(COMMAND ${ZOLTCTL} check ${PROGRAM}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR NOT output STREQUAL "")
    message(FATAL_ERROR "zoltctl check ${PROGRAM} exited with ${result}:\n${output}")
endif()
