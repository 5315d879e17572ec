# SPDX-License-Identifier: GPL-3.0-or-later
# The configuration dialog: widget tests on the offscreen platform, and the
# end to end on Xvfb through a small program that shows the calculator and
# opens the dialog in the same process.
if(NOT TARGET numerina_ui OR NOT TARGET Qt6::Test)
  return()
endif()

foreach(target frmconfig_test frmconfig_pictures_test)
  add_executable(${target} ${CMAKE_CURRENT_LIST_DIR}/${target}.cpp
                           ${CMAKE_CURRENT_LIST_DIR}/frmconfig_support.h
                           ${CMAKE_CURRENT_LIST_DIR}/window_support.h)
  set_target_properties(${target} PROPERTIES AUTOMOC ON)
  target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_LIST_DIR})
  target_link_libraries(${target} PRIVATE numerina_ui Qt6::Test)
  add_test(NAME ${target} COMMAND ${target})
  set_tests_properties(${target} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTEST_FUNCTION_TIMEOUT=60000"
    TIMEOUT 300)
endforeach()

add_executable(configprobe ${CMAKE_CURRENT_LIST_DIR}/e2e/configprobe.cpp)
target_link_libraries(configprobe PRIVATE numerina_ui)
add_test(NAME frmconfig_e2e
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/e2e/config.sh $<TARGET_FILE:configprobe>)
set_tests_properties(frmconfig_e2e PROPERTIES TIMEOUT 300 SKIP_RETURN_CODE 77)
