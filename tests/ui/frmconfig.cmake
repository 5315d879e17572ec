# The configuration dialog: widget tests on the offscreen platform, and the
# end to end on Xvfb through a small program that shows the calculator and
# opens the dialog in the same process.
if(NOT TARGET numerina_ui OR NOT TARGET Qt6::Test)
  return()
endif()

add_executable(frmconfig_test ${CMAKE_CURRENT_LIST_DIR}/frmconfig_test.cpp
                              ${CMAKE_CURRENT_LIST_DIR}/window_support.h)
set_target_properties(frmconfig_test PROPERTIES AUTOMOC ON)
target_include_directories(frmconfig_test PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(frmconfig_test PRIVATE numerina_ui Qt6::Test)
add_test(NAME frmconfig_test COMMAND frmconfig_test)
set_tests_properties(frmconfig_test PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTEST_FUNCTION_TIMEOUT=60000"
  TIMEOUT 300)

add_executable(configprobe ${CMAKE_CURRENT_LIST_DIR}/e2e/configprobe.cpp)
target_link_libraries(configprobe PRIVATE numerina_ui)
add_test(NAME frmconfig_e2e
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/e2e/config.sh $<TARGET_FILE:configprobe>)
set_tests_properties(frmconfig_e2e PROPERTIES TIMEOUT 300 SKIP_RETURN_CODE 77)
