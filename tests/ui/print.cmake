# SPDX-License-Identifier: GPL-3.0-or-later
# Printing and the text export: the layout on paper (read back from PDF),
# the print options dialog and the export through the real window, and a
# real print job through a private CUPS server.
if(NOT TARGET numerina_ui OR NOT TARGET Qt6::Test)
  return()
endif()
set(NUMERINA_PRINT_TESTS ${PROJECT_SOURCE_DIR}/tests/print)

add_executable(print_layout_test ${NUMERINA_PRINT_TESTS}/print_layout_test.cpp
                                 ${NUMERINA_PRINT_TESTS}/pdfwords.cpp)
set_target_properties(print_layout_test PROPERTIES AUTOMOC ON)
target_link_libraries(print_layout_test PRIVATE numerina_ui Qt6::PrintSupport Qt6::Test)
target_compile_definitions(print_layout_test PRIVATE
  NUMERINA_TAPE_PATH="$<TARGET_FILE:numerina-tape>")
add_dependencies(print_layout_test numerina-tape)
add_test(NAME print_layout_test COMMAND print_layout_test)
set_tests_properties(print_layout_test PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTEST_FUNCTION_TIMEOUT=120000" TIMEOUT 300)

add_executable(window_print_test ${NUMERINA_PRINT_TESTS}/window_print_test.cpp
                                 ${CMAKE_CURRENT_LIST_DIR}/window_support.h)
set_target_properties(window_print_test PROPERTIES AUTOMOC ON)
target_include_directories(window_print_test PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(window_print_test PRIVATE numerina_ui Qt6::PrintSupport Qt6::Test)
# No print server at that socket: the no-printer path.
add_test(NAME window_print_test COMMAND window_print_test)
set_tests_properties(window_print_test PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTEST_FUNCTION_TIMEOUT=60000;CUPS_SERVER=/nonexistent/numerina-no-cups.sock"
  TIMEOUT 300)

# Permissions: root may write anything, so these run as nobody.
add_test(NAME window_print_nobody_test
         COMMAND ${NUMERINA_PRINT_TESTS}/as_nobody.sh $<TARGET_FILE:window_print_test> readOnlyTarget)
set_tests_properties(window_print_nobody_test PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTEST_FUNCTION_TIMEOUT=60000;CUPS_SERVER=/nonexistent/numerina-no-cups.sock"
  TIMEOUT 300 SKIP_RETURN_CODE 77)

# A private cupsd with a capture queue and a cups-pdf queue.
add_test(NAME print_cups_test
         COMMAND ${NUMERINA_PRINT_TESTS}/cups_test.sh $<TARGET_FILE:window_print_test>)
set_tests_properties(print_cups_test PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTEST_FUNCTION_TIMEOUT=120000"
  TIMEOUT 300 SKIP_RETURN_CODE 77)
