# The exam programs: every folder programs/NAME/ that holds a program.cmake is one. That file
# describes the program once (its name, title, desktop identity, group size, the summary its
# Windows executable and its Debian package carry); the build, the packages, the manual pages,
# the installer and examtool take every fact about it from there. A third exam program is one new
# folder: program.cmake, NAME_profile.cpp/.h (caption and title lines), bank.txt, NAME.svg,
# NAME.desktop, NAME.metainfo.xml and NAME.1.in.

# exam_program(NAME TITLE title APP_ID id GROUP_SIZE k MENU_NAME text WINDOWS_SUMMARY text
#              PACKAGE_DESCRIPTION text): records one program. Read with exam_program_property().
#   TITLE                the program's name as people read it (Varnel); also names its profile
#                        function (VarnelProfile) and its embedded bank (VarnelBank)
#   APP_ID               its desktop identity: the desktop entry, icon and metainfo are installed
#                        under it
#   GROUP_SIZE           questions per draw group of its bank
#   MENU_NAME            its Start-menu shortcut on Windows, in Russian
#   WINDOWS_SUMMARY      the description in its Windows executable's version resource
#   PACKAGE_DESCRIPTION  its Debian package's synopsis and extended description
function(exam_program name)
    set(fields TITLE APP_ID GROUP_SIZE MENU_NAME WINDOWS_SUMMARY PACKAGE_DESCRIPTION)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "${fields}" "")
    foreach(field IN LISTS fields)
        if(NOT arg_${field})
            message(FATAL_ERROR "programs/${name}/program.cmake: exam_program() lacks ${field}")
        endif()
        set_property(GLOBAL PROPERTY EXAM_PROGRAM_${name}_${field} "${arg_${field}}")
    endforeach()
    if(NOT arg_GROUP_SIZE MATCHES "^[1-9][0-9]*$")
        message(FATAL_ERROR "programs/${name}/program.cmake: GROUP_SIZE ${arg_GROUP_SIZE} is no number")
    endif()
    set_property(GLOBAL APPEND PROPERTY EXAM_PROGRAMS ${name})
endfunction()

# exam_program_property(VARIABLE NAME FIELD): one recorded fact of program NAME.
function(exam_program_property variable name field)
    get_property(value GLOBAL PROPERTY EXAM_PROGRAM_${name}_${field})
    set(${variable} "${value}" PARENT_SCOPE)
endfunction()

file(GLOB exam_program_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/programs/*/program.cmake)
foreach(file IN LISTS exam_program_files)
    include(${file})
endforeach()
get_property(EXAM_PROGRAMS GLOBAL PROPERTY EXAM_PROGRAMS)
