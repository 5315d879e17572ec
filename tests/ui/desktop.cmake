# SPDX-License-Identifier: GPL-3.0-or-later
# Desktop integration: the tray form, unloading and re-creating the window,
# the information panel and the about box (offscreen); the tray under a real
# tray host (Xvfb, openbox, trayer); the install and the Debian package.
if(NOT TARGET numerina_ui OR NOT TARGET Qt6::Test)
  return()
endif()

add_executable(desktop_test ${CMAKE_CURRENT_LIST_DIR}/desktop_test.cpp
                            ${CMAKE_CURRENT_LIST_DIR}/window_support.h)
set_target_properties(desktop_test PROPERTIES AUTOMOC ON)
target_include_directories(desktop_test PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_compile_definitions(desktop_test PRIVATE NUMERINA_PROJECT_VERSION="${PROJECT_VERSION}")
target_link_libraries(desktop_test PRIVATE numerina_ui Qt6::Test)
add_test(NAME desktop_test COMMAND desktop_test)
set_tests_properties(desktop_test PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTEST_FUNCTION_TIMEOUT=60000" TIMEOUT 300)

# The tray under a real tray host; the install and the package from outside.
if(TARGET numerina)
  add_test(NAME desktop_tray_e2e
           COMMAND ${CMAKE_CURRENT_LIST_DIR}/e2e/tray.sh $<TARGET_FILE:numerina>)
  set_tests_properties(desktop_tray_e2e PROPERTIES TIMEOUT 300 SKIP_RETURN_CODE 77)
  set(install_script ${PROJECT_SOURCE_DIR}/tests/install/run.sh)
  add_test(NAME install_layout COMMAND ${install_script} install ${PROJECT_BINARY_DIR})
  add_test(NAME package_deb COMMAND ${install_script} package ${PROJECT_BINARY_DIR})
  add_test(NAME package_settings_per_user COMMAND ${install_script} per-user ${PROJECT_BINARY_DIR})
  set_tests_properties(install_layout package_deb package_settings_per_user PROPERTIES
    TIMEOUT 600 SKIP_RETURN_CODE 77 RESOURCE_LOCK numerina_install)
endif()
