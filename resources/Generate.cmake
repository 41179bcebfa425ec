# Draws the program's own resources with tools/resgen at build time and embeds them under
# /kedoozle/NAME (no extension), so LoadProgramResource("SPLASH") finds them.
set(kd_resource_files
    CLASSICTYPE_ON.png CLASSICTYPE_OFF.png PATTERNTYPE_ON.png PATTERNTYPE_OFF.png
    SHAPETYPE_ON.png SHAPETYPE_OFF.png PICTURETYPE_ON.png PICTURETYPE_OFF.png
    KEYTYPE_ON.png KEYTYPE_OFF.png SOUND_ON.png SOUND_OFF.png EXIT_UP.png EXIT_DOWN.png
    KEDOOZLE_LOGO.png QUESTION_ICON.png KDCURSOR_HAND.png KDCURSOR_HAND_HOTSPOT.txt
    SBLEFT.png SBLEFTDN.png SBLEFTDIS.png SBRIGHT.png SBRIGHTDN.png SBRIGHTDIS.png
    SPLASH.jpg ABOUT_PICTURE.jpg ABOUT_BANNER.jpg DEFAULT_CHIME.wav)

set(kd_resource_dir ${CMAKE_CURRENT_BINARY_DIR}/gen)
set(kd_resource_paths "")
foreach(file ${kd_resource_files})
  get_filename_component(alias ${file} NAME_WE)
  set(path ${kd_resource_dir}/${file})
  list(APPEND kd_resource_paths ${path})
  set_source_files_properties(${path} PROPERTIES GENERATED TRUE QT_RESOURCE_ALIAS ${alias})
endforeach()

add_custom_command(
  OUTPUT ${kd_resource_paths}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:resgen> ${kd_resource_dir}
  DEPENDS resgen
  COMMENT "Drawing the program's resources"
  VERBATIM)
add_custom_target(kd_resource_files DEPENDS ${kd_resource_paths})

qt_add_resources(kd_resources kd_program_resources
  PREFIX /kedoozle
  BASE ${kd_resource_dir}
  FILES ${kd_resource_paths}
  OUTPUT_TARGETS kd_resource_targets)
# The resource compiler runs in targets of its own: each waits for the drawing, or a parallel
# build may compile the resources before the pictures exist.
add_dependencies(kd_resources kd_resource_files)
foreach(target ${kd_resource_targets})
  add_dependencies(${target} kd_resource_files)
endforeach()
