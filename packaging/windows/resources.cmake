# The icon and version information of a Windows program. The icon is made from the built-in
# art's PNG icons (PNG entries in an .ico, as Windows has read them since Vista).
find_program(VARNEL_CONVERT NAMES convert REQUIRED)
set(VARNEL_ICON ${CMAKE_BINARY_DIR}/packaging/windows/varnel.ico)
set(varnel_icon_sizes 16 24 32 48 64 256)
list(TRANSFORM varnel_icon_sizes PREPEND ${CMAKE_SOURCE_DIR}/art/Icon OUTPUT_VARIABLE varnel_icon_pngs)
list(TRANSFORM varnel_icon_pngs APPEND .png)
if(NOT TARGET varnel_icon)
    add_custom_command(OUTPUT ${VARNEL_ICON}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging/windows
        COMMAND ${VARNEL_CONVERT} ${varnel_icon_pngs} ${VARNEL_ICON}
        DEPENDS ${varnel_icon_pngs}
        VERBATIM)
    add_custom_target(varnel_icon DEPENDS ${VARNEL_ICON})
endif()

function(varnel_add_windows_resources target file_name description)
    set(VARNEL_FILE_NAME ${file_name})
    set(VARNEL_FILE_DESCRIPTION ${description})
    set(rc ${CMAKE_BINARY_DIR}/packaging/windows/${target}.rc)
    configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/varnel.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${VARNEL_ICON})
    add_dependencies(${target} varnel_icon)
endfunction()
