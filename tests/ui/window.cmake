# SPDX-License-Identifier: GPL-3.0-or-later
# Window tests: the calculator through its real widgets on the offscreen
# platform (one executable per area), and the end-to-end test on Xvfb.
if(NOT TARGET numerina_ui OR NOT TARGET Qt6::Test)
  return()
endif()

set(NUMERINA_WINDOW_TESTS keys toolbar conf outline flash move instance access display newcomer)
foreach(area ${NUMERINA_WINDOW_TESTS})
  set(target window_${area}_test)
  add_executable(${target} ${CMAKE_CURRENT_LIST_DIR}/${target}.cpp
                           ${CMAKE_CURRENT_LIST_DIR}/window_support.h)
  target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_LIST_DIR})
  target_link_libraries(${target} PRIVATE numerina_ui Qt6::Test)
  add_test(NAME ${target} COMMAND ${target})
  # Every test function is bounded; a box nobody closes fails instead of
  # hanging (see window_support.h).
  set_tests_properties(${target} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTEST_FUNCTION_TIMEOUT=60000"
    TIMEOUT 300)
endforeach()

# The display's fitting once more at 200 %.
add_test(NAME window_display_test_200 COMMAND window_display_test)
set_tests_properties(window_display_test_200 PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2;QTEST_FUNCTION_TIMEOUT=60000"
  TIMEOUT 300)

# End to end on a real X server: Xvfb and openbox, typing with xdotool, the
# X clipboard, a drag, the outline's pixels, a second start.
if(TARGET numerina)
  add_test(NAME window_e2e
           COMMAND ${CMAKE_CURRENT_LIST_DIR}/e2e/run.sh $<TARGET_FILE:numerina>)
  set_tests_properties(window_e2e PROPERTIES TIMEOUT 300 SKIP_RETURN_CODE 77)
endif()

# The faults only a real window manager shows: quick clicks, a window saved
# at 0,0, the height at 150 % and 175 %.
if(TARGET numerina)
  add_test(NAME window_e2e_faults
           COMMAND ${CMAKE_CURRENT_LIST_DIR}/e2e/faults.sh $<TARGET_FILE:numerina>)
  set_tests_properties(window_e2e_faults PROPERTIES TIMEOUT 300 SKIP_RETURN_CODE 77)
endif()
