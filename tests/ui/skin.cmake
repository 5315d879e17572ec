# SPDX-License-Identifier: GPL-3.0-or-later
# Skin tests: painted pixels checked at 100, 125, 150 and 200 %.
add_executable(skin_tests
  ${CMAKE_CURRENT_LIST_DIR}/skin_test_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_pixels.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_pixels.h
  ${CMAKE_CURRENT_LIST_DIR}/skin_keys_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_background_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_toolbar_test.cpp
)
target_link_libraries(skin_tests PRIVATE numerina_skin GTest::gtest)
gtest_discover_tests(skin_tests DISCOVERY_TIMEOUT 60
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
