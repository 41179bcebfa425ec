# Makes the default content of the ready program folder at build time: the settings file
# with all 88 key entries, the four content modules and the licence text. tools/contentgen
# draws and synthesises everything from keys.txt; kdmodule packs each folder of files into a
# resource-only library. Each module is one command, redone when keys.txt or a tool changes.
find_program(KD_ESPEAK espeak-ng REQUIRED)
set(kd_keys ${CMAKE_CURRENT_SOURCE_DIR}/keys.txt)
set(kd_contentgen ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:contentgen>)

add_custom_command(
  OUTPUT ${KD_DIST_DIR}/Kedoozle.ini
  COMMAND ${kd_contentgen} ini ${kd_keys} ${KD_DIST_DIR}/Kedoozle.ini
  DEPENDS contentgen ${kd_keys}
  COMMENT "Writing the default Kedoozle.ini"
  VERBATIM)

add_custom_command(
  OUTPUT ${KD_DIST_DIR}/License.txt
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/License.txt ${KD_DIST_DIR}/License.txt
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/License.txt
  VERBATIM)

set(kd_content_outputs ${KD_DIST_DIR}/Kedoozle.ini ${KD_DIST_DIR}/License.txt)
foreach(module Sounds Keys Patterns Pictures)
  string(TOLOWER ${module} kind)
  set(folder ${CMAKE_CURRENT_BINARY_DIR}/${kind})
  set(extra "")
  if(kind STREQUAL "keys")
    set(extra ${KD_ESPEAK})
  endif()
  add_custom_command(
    OUTPUT ${KD_DIST_DIR}/${module}.dll
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${folder}
    COMMAND ${kd_contentgen} ${kind} ${kd_keys} ${folder} ${extra}
    COMMAND $<TARGET_FILE:kdmodule> build ${KD_DIST_DIR}/${module}.dll --manifest ${folder}/manifest.txt
    DEPENDS contentgen kdmodule ${kd_keys}
    COMMENT "Making ${module}.dll"
    VERBATIM)
  list(APPEND kd_content_outputs ${KD_DIST_DIR}/${module}.dll)
endforeach()

add_custom_target(kd_content ALL DEPENDS ${kd_content_outputs})

# The content test reads the generated modules: make sure they exist before it runs.
function(kd_content_link_users)
  if(TARGET DefaultContentTest)
    add_dependencies(DefaultContentTest kd_content)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL kd_content_link_users)
