# Puts a deliverable (executable or shared library) into the program folder and
# makes it find its sibling libraries there.
function(kurs_place_in_program_folder target)
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY "${PROGRAM_DIR}"
    LIBRARY_OUTPUT_DIRECTORY "${PROGRAM_DIR}"
    BUILD_RPATH "\$ORIGIN"
    INSTALL_RPATH "\$ORIGIN")
endfunction()

# Adds a GoogleTest executable from the given sources, linked to the given
# libraries, and registers its tests with CTest.
# With QT the tests get a QApplication and run on the offscreen platform.
# Usage: kurs_add_gtest(name [QT] SOURCES a.cpp b.cpp LIBS lib1 lib2 [ENV VAR=value ...] [LABELS l])
function(kurs_add_gtest name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS;ENV;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_QT)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} kurs_qt_test_main GTest::gtest GTest::gmock)
    list(APPEND ARG_ENV "QT_QPA_PLATFORM=offscreen")
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  endif()
  set_target_properties(${name} PROPERTIES BUILD_RPATH "${PROGRAM_DIR}")
  set(properties "")
  if(ARG_ENV)
    list(APPEND properties ENVIRONMENT "${ARG_ENV}")
  endif()
  if(ARG_LABELS)
    list(APPEND properties LABELS "${ARG_LABELS}")
  endif()
  if(properties)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ${properties})
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# Gives a test the assembled program folder: KURS_PROGRAM_DIR, the folder's
# skin and demo content built first (with MEDIA also the generated media, with
# PROGRAM also the executable), and with SCREENSHOTS the folder for the
# pictures it writes (KURS_SCREENSHOT_DIR).
# Usage: kurs_test_uses_program_folder(target [PROGRAM] [MEDIA] [SCREENSHOTS dir])
function(kurs_test_uses_program_folder target)
  cmake_parse_arguments(ARG "PROGRAM;MEDIA" "SCREENSHOTS" "" ${ARGN})
  target_compile_definitions(${target} PRIVATE KURS_PROGRAM_DIR="${PROGRAM_DIR}")
  if(DEFINED ARG_SCREENSHOTS)
    target_compile_definitions(${target} PRIVATE KURS_SCREENSHOT_DIR="${ARG_SCREENSHOTS}")
  endif()
  add_dependencies(${target} demo_content)
  if(ARG_MEDIA)
    add_dependencies(${target} demo_media)
  endif()
  if(ARG_PROGRAM)
    add_dependencies(${target} ZalpionyKurs)
  endif()
  if(TARGET kursskin)
    add_dependencies(${target} kursskin)
  endif()
endfunction()
