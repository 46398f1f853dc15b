# Plays one scenario script and compares its transcript with NAME.expected.
set(args)
if(MODE STREQUAL "window")
  set(args --window)
endif()
# EMULATOR runs a cross-built runner (Wine for Windows).
execute_process(COMMAND ${EMULATOR} ${RUNNER} ${args} ${SCRIPT}
  OUTPUT_VARIABLE transcript RESULT_VARIABLE status)
string(REGEX REPLACE "\\.scenario$" ".expected" expected_file ${SCRIPT})
file(READ ${expected_file} expected)
if(NOT transcript STREQUAL expected)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/actual.transcript "${transcript}")
  message(FATAL_ERROR "transcript differs from ${expected_file} (exit ${status}):\n${transcript}")
endif()
if(NOT status EQUAL 0 AND NOT expected MATCHES "script error: ")
  message(FATAL_ERROR "runner exited with ${status}")
endif()
