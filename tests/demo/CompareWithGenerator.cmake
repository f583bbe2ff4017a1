# Makes the sample program anew with MAKE_DEMO into MADE and compares it with PROGRAM byte for
# byte.
execute_process(COMMAND ${MAKE_DEMO} ${MADE} RESULT_VARIABLE result ERROR_VARIABLE error)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "make-demo ${MADE} exited with ${result}: ${error}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${MADE} ${PROGRAM}
                RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} is not what make-demo makes; run make-demo ${PROGRAM}")
endif()
