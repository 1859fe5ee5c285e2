# The application icon has one source, the SVG; its PNG sizes are rendered
# from it at build time (librsvg's rsvg-convert), for the desktop's icon theme
# and, embedded, for the windows. Sets VELLIMAR_ICON_DIR, VELLIMAR_ICON_SIZES
# and VELLIMAR_ICON_FILES.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(VELLIMAR_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
set(VELLIMAR_ICON_SIZES 16 24 32 48 64 128 256)
set(VELLIMAR_ICON_FILES)
foreach(size IN LISTS VELLIMAR_ICON_SIZES)
  set(png ${VELLIMAR_ICON_DIR}/${size}.png)
  add_custom_command(
    OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VELLIMAR_ICON_DIR}
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${CMAKE_CURRENT_LIST_DIR}/vellimar-ups-selector.svg
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/vellimar-ups-selector.svg
    COMMENT "Rendering the ${size} pixel application icon")
  list(APPEND VELLIMAR_ICON_FILES ${png})
endforeach()
