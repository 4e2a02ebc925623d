# Copies the sounds and the help (with its pictures) next to the executable,
# so the build folder is a complete application folder.
file(GLOB TECLOMATIC_SOUNDS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/sounds/*.wav)
file(GLOB TECLOMATIC_HELP CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/help/*)
set(_asset_outputs)
foreach(f ${TECLOMATIC_SOUNDS} ${TECLOMATIC_HELP})
  get_filename_component(n ${f} NAME)
  add_custom_command(OUTPUT ${TECLOMATIC_APP_DIR}/${n}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TECLOMATIC_APP_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${f} ${TECLOMATIC_APP_DIR}/${n}
    DEPENDS ${f} VERBATIM)
  list(APPEND _asset_outputs ${TECLOMATIC_APP_DIR}/${n})
endforeach()
add_custom_target(teclomatic_assets ALL DEPENDS ${_asset_outputs})
add_dependencies(Teclomatic teclomatic_assets)
