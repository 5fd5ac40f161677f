# arvex_add_module(<target> DIR <Modules sub-folder> NAME <file name> SOURCES ...)
# Builds a plug-in module into the runtime tree (Modules/<DIR>/<NAME>.so), linked
# against the host runtime as real modules link against the host's import library.
function(arvex_add_module target)
  cmake_parse_arguments(M "" "DIR;NAME" "SOURCES;LIBS" ${ARGN})
  add_library(${target} MODULE ${M_SOURCES})
  set_target_properties(${target} PROPERTIES
    PREFIX "" OUTPUT_NAME ${M_NAME} SUFFIX ".so"
    LIBRARY_OUTPUT_DIRECTORY ${ARVEX_TREE}/Modules/${M_DIR}
    CXX_VISIBILITY_PRESET hidden)
  target_link_libraries(${target} PRIVATE orbiter ${M_LIBS})
  add_dependencies(${target} runtime_tree)
endfunction()

# arvex_add_test(<name> SOURCES ... [LIBS ...] [TIMEOUT s])
# A GoogleTest executable registered as one test, run inside the runtime tree.
function(arvex_add_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;DEPENDS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  if(T_DEPENDS)
    add_dependencies(${name} ${T_DEPENDS})
  endif()
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${ARVEX_TREE})
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "ARVEX_TREE=${ARVEX_TREE};ARVEX_SOURCE=${CMAKE_SOURCE_DIR}")
endfunction()
