# Warnings for every target of the project.
function(voxtrel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(VOXTREL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# Plug-in code is hidden by default: the module exports its entry point only.
function(voxtrel_plugin_code target)
  voxtrel_warnings(${target})
  set_target_properties(${target} PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
endfunction()

# A static library of plug-in code from the .cpp files of a folder.
function(voxtrel_plugin_library target)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${target} STATIC ${sources})
  voxtrel_plugin_code(${target})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/common)
endfunction()

# One test executable from the .cpp files of a test folder, registered with ctest.
function(voxtrel_test_dir name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name} ${sources})
  voxtrel_warnings(${name})
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main ${ARGN})
  gtest_discover_tests(${name} WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} DISCOVERY_TIMEOUT 60)
endfunction()
