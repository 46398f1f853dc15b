# Runs KelmarPatrol with ARGS and checks its exit status and what it printed.
separate_arguments(args UNIX_COMMAND "${ARGS}")
# EMULATOR runs a cross-built program (Wine for Windows).
execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${args}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\n${out}${err}")
endif()
if(NOT "${out}${err}" MATCHES "${EXPECT}")
  message(FATAL_ERROR "output does not match '${EXPECT}':\n${out}${err}")
endif()
