# The fuzz targets, shared by the libFuzzer build (fuzz/CMakeLists.txt) and the replay programs
# of the test suite (tests/reliability): each target is <name>_fuzzer.cpp with its seed corpus.
set(ARVEX_FUZZ_DIR ${CMAKE_SOURCE_DIR}/fuzz)
# Readers on their own (fast), and through the real host and modules (deep).
set(ARVEX_FUZZ_TARGETS scenario config config_modules ini ini_modules script script_actions
                       mfd_input dialog_offset)

set(ARVEX_FUZZ_SEEDS_scenario ${CMAKE_SOURCE_DIR}/data/Scenarios)
set(ARVEX_FUZZ_SEEDS_config ${CMAKE_SOURCE_DIR}/data/Config)
set(ARVEX_FUZZ_SEEDS_config_modules ${CMAKE_SOURCE_DIR}/data/Config)
set(ARVEX_FUZZ_SEEDS_ini ${CMAKE_SOURCE_DIR}/data/Arvex_Prefs.ini)
set(ARVEX_FUZZ_SEEDS_ini_modules ${CMAKE_SOURCE_DIR}/data/Arvex_Prefs.ini)
file(GLOB ARVEX_FUZZ_SEEDS_script ${CMAKE_SOURCE_DIR}/scripts/*.script)
set(ARVEX_FUZZ_SEEDS_script_actions ${ARVEX_FUZZ_SEEDS_script})
set(ARVEX_FUZZ_SEEDS_mfd_input ${ARVEX_FUZZ_DIR}/seeds/mfd_input)
set(ARVEX_FUZZ_SEEDS_dialog_offset ${ARVEX_FUZZ_DIR}/seeds/dialog_offset)

# Words of each input format, which the fuzzer splices into its inputs.
set(ARVEX_FUZZ_DICT_scenario ${ARVEX_FUZZ_DIR}/dicts/scenario.dict)
set(ARVEX_FUZZ_DICT_config ${ARVEX_FUZZ_DIR}/dicts/config.dict)
set(ARVEX_FUZZ_DICT_config_modules ${ARVEX_FUZZ_DICT_config})
set(ARVEX_FUZZ_DICT_ini ${ARVEX_FUZZ_DIR}/dicts/ini.dict)
set(ARVEX_FUZZ_DICT_ini_modules ${ARVEX_FUZZ_DICT_ini})
set(ARVEX_FUZZ_DICT_script ${ARVEX_FUZZ_DIR}/dicts/script.dict)
set(ARVEX_FUZZ_DICT_script_actions ${ARVEX_FUZZ_DICT_script})

# Longest input of the targets that type text: four times the longest text a box keeps (the
# host's input box keeps 127 characters); the fuzzer's default of 4096 only slows them.
set(ARVEX_FUZZ_MAX_LEN_mfd_input 512)
set(ARVEX_FUZZ_MAX_LEN_dialog_offset 512)

set(ARVEX_FUZZ_LIBS_script arvex_app)
set(ARVEX_FUZZ_LIBS_script_actions arvex_app)

# The fuzz folder every target runs in (fuzz_home.h), compiled once per build.
if(NOT TARGET arvex_fuzz_home)
  add_library(arvex_fuzz_home OBJECT ${ARVEX_FUZZ_DIR}/fuzz_home.cpp)
  target_compile_definitions(arvex_fuzz_home PRIVATE ARVEX_FUZZ_TREE="${ARVEX_TREE}")
  target_link_libraries(arvex_fuzz_home PUBLIC orbiter)
endif()

# arvex_add_fuzz_executable(<target name> <executable> [MAIN <object library>])
# The target's entry point in a program run inside the runtime tree's modules; MAIN adds a
# main function of its own (the replay program), otherwise the fuzzer provides it.
function(arvex_add_fuzz_executable name executable)
  cmake_parse_arguments(F "" "MAIN" "" ${ARGN})
  add_executable(${executable} ${ARVEX_FUZZ_DIR}/${name}_fuzzer.cpp)
  target_include_directories(${executable} PRIVATE ${ARVEX_FUZZ_DIR})
  target_link_libraries(${executable} PRIVATE arvex_fuzz_home ${F_MAIN} orbiter
                        ${ARVEX_FUZZ_LIBS_${name}})
  add_dependencies(${executable} runtime_tree arvex_core arvex_eds arvex_lrb arvex_spent arvex_mfd
                   arvex_satellite)
endfunction()

# The inputs a target replays in the test suite: its seeds and the findings fixed since.
function(arvex_fuzz_inputs name out)
  set(inputs ${ARVEX_FUZZ_SEEDS_${name}})
  if(EXISTS ${ARVEX_FUZZ_DIR}/regressions/${name})
    list(APPEND inputs ${ARVEX_FUZZ_DIR}/regressions/${name})
  endif()
  set(${out} ${inputs} PARENT_SCOPE)
endfunction()
