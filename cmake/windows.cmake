# The Windows tree: the program, its data files and the suites that run under Wine.
enable_language(RC)

set(ICON_FILE ${CMAKE_BINARY_DIR}/res/mentavo.ico)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(OUTPUT ${ICON_FILE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/res
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/scripts/make_icon.py ${ICON_FILE}
  DEPENDS ${CMAKE_SOURCE_DIR}/scripts/make_icon.py
  COMMENT "Drawing the program icon")
set(RESOURCE_SCRIPT ${CMAKE_SOURCE_DIR}/res/mentavo.rc)
set_source_files_properties(${RESOURCE_SCRIPT} PROPERTIES OBJECT_DEPENDS
  "${ICON_FILE};${CMAKE_SOURCE_DIR}/res/resource.h;${CMAKE_SOURCE_DIR}/res/mentavo.manifest")

# Everything of the program but its entry point and its application object,
# so that the Wine suites can run the real dialogs in process.
add_library(mentavo_core STATIC
  ${PORTABLE_SOURCES}
  framework/app.cpp
  framework/dialog.cpp
  framework/file.cpp
  framework/wnd.cpp
  dialogs/about_dlg.cpp
  dialogs/statistics_dlg.cpp
  dialogs/trainer_dlg.cpp
  stats/statistics_store.cpp
  training/trainer_training.cpp
  app/trainer_app.cpp)
target_include_directories(mentavo_core PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/res ${CMAKE_BINARY_DIR}/res)
target_compile_definitions(mentavo_core PUBLIC WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601 WINVER=0x0601)
target_link_libraries(mentavo_core PUBLIC comctl32 user32 gdi32 kernel32)

set(STATIC_RUNTIME -static -static-libgcc -static-libstdc++)
set(HARDENING -Wl,--dynamicbase -Wl,--high-entropy-va -Wl,--nxcompat)

add_executable(mentavo WIN32 app/the_app.cpp framework/winmain.cpp ${RESOURCE_SCRIPT})
target_link_libraries(mentavo PRIVATE mentavo_core)
target_link_options(mentavo PRIVATE ${STATIC_RUNTIME} ${HARDENING})
set_target_properties(mentavo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The data folder beside the exe. The statistics file is copied only when
# absent, so that a rebuild never resets the user's statistics.
add_custom_target(data_files ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/data
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/data/help.htm ${CMAKE_BINARY_DIR}/data/help.htm
  COMMAND ${CMAKE_COMMAND} -DSRC=${CMAKE_SOURCE_DIR}/data/stat.dat -DDST=${CMAKE_BINARY_DIR}/data/stat.dat
          -P ${CMAKE_SOURCE_DIR}/cmake/copy_if_absent.cmake
  COMMENT "Data files beside the exe")

add_subdirectory(${CMAKE_SOURCE_DIR}/tests/win ${CMAKE_BINARY_DIR}/tests/win)
add_subdirectory(${CMAKE_SOURCE_DIR}/tests/e2e ${CMAKE_BINARY_DIR}/tests/e2e)

# The Windows package: mentavo-<version>-win64.zip with the stripped exe and a
# fresh data folder (three zero lines, never the build's own statistics).
file(STRINGS ${RESOURCE_SCRIPT} FILEVERSION_LINE REGEX "^FILEVERSION ")
string(REGEX REPLACE "^FILEVERSION ([0-9]+),([0-9]+),([0-9]+),([0-9]+).*" "\\1.\\2.\\3.\\4" MENTAVO_VERSION "${FILEVERSION_LINE}")
set(PACKAGE_ZIP ${CMAKE_BINARY_DIR}/mentavo-${MENTAVO_VERSION}-win64.zip)
set(PACKAGE_STAGE ${CMAKE_BINARY_DIR}/package)
add_custom_command(OUTPUT ${PACKAGE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${PACKAGE_STAGE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PACKAGE_STAGE}/data
  COMMAND ${CMAKE_STRIP} -o ${PACKAGE_STAGE}/mentavo.exe $<TARGET_FILE:mentavo>
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/data/stat.dat ${CMAKE_SOURCE_DIR}/data/help.htm ${PACKAGE_STAGE}/data/
  COMMAND ${CMAKE_COMMAND} -E rm -f ${PACKAGE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E chdir ${PACKAGE_STAGE} ${CMAKE_COMMAND} -E tar cf ${PACKAGE_ZIP} --format=zip mentavo.exe data
  DEPENDS mentavo ${CMAKE_SOURCE_DIR}/data/stat.dat ${CMAKE_SOURCE_DIR}/data/help.htm
  COMMENT "Packaging ${PACKAGE_ZIP}")
add_custom_target(package_zip DEPENDS ${PACKAGE_ZIP})

# The package, unpacked into a fresh folder, runs and records a training.
add_test(NAME package_run
  COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/test_package.sh ${PACKAGE_ZIP} $<TARGET_FILE:e2e_tests>)
set_tests_properties(package_run PROPERTIES TIMEOUT 600)
add_subdirectory(${CMAKE_SOURCE_DIR}/bench ${CMAKE_BINARY_DIR}/bench)
