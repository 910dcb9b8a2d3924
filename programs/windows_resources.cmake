# The Windows edition of each exam program: a GUI executable (no console) with its icon, made at
# build time from the program's SVG, a version resource and the application manifest.

enable_language(RC)

# exam_windows_resources(NAME): the resources of program NAME, from its program.cmake.
function(exam_windows_resources name)
    exam_program_property(title ${name} TITLE)
    exam_program_property(description ${name} WINDOWS_SUMMARY)
    set(icon ${CMAKE_CURRENT_BINARY_DIR}/${name}.ico)
    add_custom_command(
        OUTPUT ${icon}
        COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows/make-icon
                ${CMAKE_CURRENT_SOURCE_DIR}/${name}/${name}.svg ${icon}
        DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/windows/make-icon ${CMAKE_CURRENT_SOURCE_DIR}/${name}/${name}.svg
        COMMENT "Making the Windows icon of ${title}")
    set(PROGRAM_NAME ${name})
    set(PROGRAM_TITLE ${title})
    set(PROGRAM_DESCRIPTION ${description})
    set(PROGRAM_ICON ${icon})
    set(PROGRAM_MANIFEST ${CMAKE_CURRENT_SOURCE_DIR}/windows/exam.manifest)
    configure_file(${CMAKE_CURRENT_SOURCE_DIR}/windows/program.rc.in
                   ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc @ONLY)
    target_sources(${name} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc)
    set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${name}.rc PROPERTIES
        OBJECT_DEPENDS "${icon};${PROGRAM_MANIFEST}")
    # A window program: Windows opens no console for it; main() still starts it.
    target_link_options(${name} PRIVATE -mwindows)
endfunction()
